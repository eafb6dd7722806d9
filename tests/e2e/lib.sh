# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# Helpers for the end-to-end tests: each test script sources this file, calls
# e2e_init, then drives the real program on a private X display.
#
#   e2e_init NAME [TOOL...]     temporary folder, artefacts folder, clean-up trap;
#                               exits 77 (skipped) when Xvfb, xdotool or a TOOL is missing
#   e2e_start_display [WxH]     own Xvfb on a free display, 1280x1024 unless given, 24 bits
#   e2e_start_program PROGRAM   starts it with a temporary HOME on that display
#   e2e_wait_window REGEX [S]   waits (at most S seconds, 20 by default) for a
#                               visible window whose name matches; sets E2E_WINDOW
#   e2e_key KEYS...             focuses E2E_WINDOW and types the keys (xdotool names)
#   e2e_running                 true while the program has not ended
#   e2e_wait_exit S             waits at most S seconds for the program to end
#   e2e_exit_code, e2e_exit_time_us   after the program has ended
#   e2e_now_us                  the present time in microseconds
#   e2e_screenshot NAME         saves the screen, when a screenshot tool is installed
#   e2e_check NAME COMMAND...   runs COMMAND, counts it as passed or failed
#   e2e_finish                  prints "N passed, N failed" and exits accordingly
#   e2e_to_a_page               from the welcome window to the A page by keyboard,
#                               through the member page; sets E2E_WINDOW to the page
#   e2e_stand_in_opener         puts an xdg-open on PATH that records what it is
#                               asked to open instead of opening it
#   e2e_opens KEY PATH          true when KEY makes the program ask that opener for PATH
#   e2e_check_documents DIR     on the member page, the readme and the help of DIR open
#
# No fixed waits: everything polls with a deadline.

E2E_SKIP=77

e2e_now_us() {
  local t=$EPOCHREALTIME
  echo $((10#${t/[.,]/}))
}

e2e_log() { echo "# $*"; }

e2e_init() {
  E2E_NAME=$1
  shift
  E2E_PASSED=0
  E2E_FAILED=0
  E2E_PROGRAM_PID=""
  E2E_XVFB_PID=""
  E2E_WINDOW=""
  local tool
  for tool in Xvfb xdotool timeout "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "$tool is not installed: skipping $E2E_NAME (scripts/setup installs it)"
      exit "$E2E_SKIP"
    fi
  done
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/strumkin-e2e.XXXXXX")
  # Absolute, since tests change their working folder.
  E2E_ARTEFACTS=$(realpath -m "${STRUMKIN_E2E_ARTEFACTS:-$PWD/test-artefacts}/$E2E_NAME")
  rm -rf "$E2E_ARTEFACTS"
  mkdir -p "$E2E_ARTEFACTS"
  trap e2e_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

# Ends whatever is still running and removes the temporary folder; the
# program's and Xvfb's output are kept with the artefacts.
e2e_cleanup() {
  local status=$?
  trap - EXIT
  e2e_stop_pid "$E2E_PROGRAM_PID"
  e2e_stop_pid "$E2E_XVFB_PID"
  if [[ -n ${E2E_TMP:-} && -d $E2E_TMP ]]; then
    local log
    for log in program.log xvfb.log; do
      if [[ -f $E2E_TMP/$log ]]; then
        cp "$E2E_TMP/$log" "$E2E_ARTEFACTS/$log"
      fi
    done
    rm -rf "$E2E_TMP"
  fi
  exit "$status"
}

# e2e_stop_pid PID: TERM, then KILL if it is still there after 3 s.
e2e_stop_pid() {
  local pid=$1
  [[ -n $pid ]] || return 0
  e2e_pid_alive "$pid" || return 0
  kill -TERM "$pid" 2>/dev/null || return 0
  local deadline=$(($(e2e_now_us) + 3000000))
  while e2e_pid_alive "$pid" && (($(e2e_now_us) < deadline)); do
    sleep 0.05
  done
  if e2e_pid_alive "$pid"; then
    kill -KILL "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
}

# A process that has ended but not been reaped yet (a zombie) counts as ended.
e2e_pid_alive() {
  local pid=$1 stat
  kill -0 "$pid" 2>/dev/null || return 1
  stat=$(cat "/proc/$pid/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [[ ${stat%% *} != Z ]]
}

e2e_start_display() {
  local fifo=$E2E_TMP/displayfd
  mkfifo "$fifo"
  # Xvfb picks a free display itself and writes its number to the fd once it
  # accepts connections.
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset \
    3>"$fifo" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  local number=""
  if ! read -r -t 20 number <"$fifo" || [[ ! $number =~ ^[0-9]+$ ]]; then
    echo "Xvfb did not start:" >&2
    cat "$E2E_TMP/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$number"
  e2e_log "Xvfb on $DISPLAY"
}

e2e_start_program() {
  local program=$1
  mkdir -p "$E2E_TMP/home" "$E2E_TMP/runtime"
  chmod 700 "$E2E_TMP/runtime"
  # The watcher records the program's exit code and the moment it ended.
  (
    HOME=$E2E_TMP/home XDG_RUNTIME_DIR=$E2E_TMP/runtime QT_QPA_PLATFORM=xcb \
      "$program" >"$E2E_TMP/program.log" 2>&1 &
    echo $! >"$E2E_TMP/program.pid"
    wait $!
    rc=$?
    echo "$rc $(e2e_now_us)" >"$E2E_TMP/exit.tmp"
    mv "$E2E_TMP/exit.tmp" "$E2E_TMP/exit"
  ) &
  E2E_WATCHER_PID=$!
  local deadline=$(($(e2e_now_us) + 5000000))
  until [[ -s $E2E_TMP/program.pid ]]; do
    if (($(e2e_now_us) > deadline)); then
      echo "the program did not start" >&2
      exit 1
    fi
    sleep 0.01
  done
  E2E_PROGRAM_PID=$(<"$E2E_TMP/program.pid")
  e2e_log "started $program (pid $E2E_PROGRAM_PID)"
}

e2e_running() {
  [[ ! -f $E2E_TMP/exit ]]
}

e2e_wait_exit() {
  local deadline=$(($(e2e_now_us) + $1 * 1000000))
  while e2e_running; do
    (($(e2e_now_us) < deadline)) || return 1
    sleep 0.05
  done
  wait "$E2E_WATCHER_PID" 2>/dev/null || true
}

e2e_exit_code() {
  local rc _
  read -r rc _ <"$E2E_TMP/exit"
  echo "$rc"
}

e2e_exit_time_us() {
  local _ t
  read -r _ t <"$E2E_TMP/exit"
  echo "$t"
}

e2e_wait_window() {
  local pattern=$1 seconds=${2:-20}
  local deadline=$(($(e2e_now_us) + seconds * 1000000))
  E2E_WINDOW=""
  # xdotool's own --sync waits without a limit and looks only every 0.5 s, so
  # poll here, every 50 ms, with a deadline, and stop if the program ends.
  while (($(e2e_now_us) < deadline)); do
    if ! e2e_running; then
      e2e_log "the program ended before a window named /$pattern/ appeared"
      return 1
    fi
    E2E_WINDOW=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
    if [[ -n $E2E_WINDOW ]]; then
      e2e_log "window $E2E_WINDOW: '$(xdotool getwindowname "$E2E_WINDOW" 2>/dev/null)'"
      return 0
    fi
    sleep 0.05
  done
  e2e_log "no visible window named /$pattern/ within $seconds s"
  return 1
}

# With no window manager a window gets the keyboard only when it has the input
# focus. The program asks for it itself; this gives it again before the keys,
# in the same xdotool call so that the X server sees the two in order.
e2e_key() {
  if [[ -n $E2E_WINDOW ]]; then
    xdotool windowfocus "$E2E_WINDOW" key --clearmodifiers "$@" 2>/dev/null
  else
    xdotool key --clearmodifiers "$@" 2>/dev/null
  fi
}

# Screenshots are optional: xwd (x11-apps) takes them, ImageMagick turns them
# into PNG; without xwd there are none, with xwd alone they stay XWD files.
e2e_screenshot() {
  local name=$1
  command -v xwd >/dev/null || return 0
  local raw=$E2E_ARTEFACTS/$name.xwd
  xwd -root -silent -display "$DISPLAY" >"$raw" 2>/dev/null || { rm -f "$raw"; return 0; }
  if convert -version 2>/dev/null | grep -q '^Version: ImageMagick'; then
    convert "xwd:$raw" "$E2E_ARTEFACTS/$name.png" 2>/dev/null && rm -f "$raw"
  fi
  return 0
}

e2e_check() {
  local name=$1
  shift
  if "$@"; then
    E2E_PASSED=$((E2E_PASSED + 1))
    echo "ok - $name"
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL - $name"
  fi
}

e2e_finish() {
  echo "$E2E_PASSED passed, $E2E_FAILED failed"
  if ((E2E_FAILED > 0)); then
    echo "program output: $E2E_ARTEFACTS/program.log"
    exit 1
  fi
  exit 0
}

# The welcome window's Alt+G opens the member page, whose picker holds the
# focus; Down chooses "The A Chords". A check each; a step that fails ends
# the test.
e2e_to_a_page() {
  welcome() { e2e_wait_window '^Starting Strumkin' 30; }
  e2e_check "the welcome window appears" welcome
  [[ -n $E2E_WINDOW ]] || e2e_finish
  member_page() { e2e_key alt+g && e2e_wait_window '^Welcome!$' 10; }
  e2e_check "Alt+G on the welcome window opens the member page 'Welcome!'" member_page
  [[ -n $E2E_WINDOW ]] || e2e_finish
  e2e_screenshot 01-member-page
  a_page() { e2e_key Down && e2e_wait_window '^Chords A major and A minor$' 10; }
  e2e_check "the picker opens the A page" a_page
  [[ -n $E2E_WINDOW ]] || e2e_finish
}

e2e_stand_in_opener() {
  local opener=$E2E_TMP/opener
  mkdir -p "$opener"
  cat >"$opener/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$E2E_TMP/opened.tmp" && mv "$E2E_TMP/opened.tmp" "$E2E_TMP/opened"
EOF
  chmod +x "$opener/xdg-open"
  PATH=$opener:$PATH
}

e2e_opens() {
  local key=$1 path=$2
  rm -f "$E2E_TMP/opened"
  e2e_key "$key" || return 1
  local deadline=$(($(e2e_now_us) + 10000000))
  until [[ -f $E2E_TMP/opened ]]; do
    if (($(e2e_now_us) > deadline)); then
      e2e_log "nothing was opened within 10 s"
      return 1
    fi
    sleep 0.05
  done
  e2e_log "opened: $(tr '\n' ' ' <"$E2E_TMP/opened")"
  [[ $(<"$E2E_TMP/opened") == "$path" && -f $path ]]
}

# e2e_check_documents DIR: on the member page, Alt+V and Alt+S open the readme
# and the help of the program folder DIR, and the program goes on running.
e2e_check_documents() {
  local dir=$1
  readme() { e2e_opens alt+v "$dir/readme.txt"; }
  e2e_check "Alt+V opens readme.txt of $dir" readme
  help_file() { e2e_opens alt+s "$dir/chords.html"; }
  e2e_check "Alt+S opens chords.html of $dir" help_file
  still_running() { e2e_running; }
  e2e_check "the program is still running" still_running
}
