#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# End-to-end test of hearing a chord, by keyboard only, into a PulseAudio
# server of the test's own with a null sink: the welcome window's Alt+G opens
# the member page, its picker opens the A page, and Alt+M must put the
# strummed A major into the sink (read back from the sink's monitor), then
# Alt+Shift+N the A minor string by string. Skipped without PulseAudio
# (scripts/setup installs it).
#
# usage: sound.sh PATH-TO-STRUMKIN
# shellcheck disable=SC2317
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

program=${1:?usage: sound.sh PATH-TO-STRUMKIN}
[[ -x $program ]] || { echo "not an executable: $program" >&2; exit 1; }

e2e_init sound pulseaudio parec pactl python3

# The program's runtime folder is where it looks for the server.
mkdir -p "$E2E_TMP/runtime" && chmod 700 "$E2E_TMP/runtime"
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
pulseaudio --daemonize=no -n --load=module-null-sink --load=module-native-protocol-unix \
  --exit-idle-time=-1 >"$E2E_TMP/pulse.log" 2>&1 &
pulse=$!
# e2e_cleanup exits with the status it finds, so the test's own goes before it.
trap 'rc=$?; e2e_stop_pid "$pulse"; (exit "$rc"); e2e_cleanup' EXIT
server() { [[ -S $XDG_RUNTIME_DIR/pulse/native ]]; }
deadline=$(($(e2e_now_us) + 10000000))
until server || (($(e2e_now_us) > deadline)); do sleep 0.05; done
e2e_check "a PulseAudio server with a null sink runs" server

e2e_start_display
e2e_start_program "$program"

e2e_to_a_page

# heard KEYS SECONDS: what the sink plays in the seconds after the keys, as
# the peak of its monitor's samples (0 to 32767).
heard() {
  local raw=$E2E_TMP/heard.raw
  timeout "$2" parec -d null.monitor --raw --format=s16le --channels=1 --rate=44100 >"$raw" &
  local recorder=$!
  # Recording once the server lists the recorder's stream.
  local deadline=$(($(e2e_now_us) + 5000000))
  until pactl list short source-outputs | grep -q .; do
    (($(e2e_now_us) < deadline)) || return 1
    sleep 0.02
  done
  e2e_key "$1" || return 1
  wait "$recorder"
  python3 -c 'import sys, array
data = open(sys.argv[1], "rb").read()
samples = array.array("h", data[: len(data) // 2 * 2])
print(max((abs(x) for x in samples), default=0))' "$raw"
}
strum() {
  local peak
  peak=$(heard alt+m 2) || return 1
  e2e_log "peak after Alt+M: $peak"
  ((peak > 1000))
}
e2e_check "Alt+M strums A major into the sound server" strum
strings() {
  local peak
  peak=$(heard alt+shift+n 2) || return 1
  e2e_log "peak after Alt+Shift+N: $peak"
  ((peak > 1000))
}
e2e_check "Alt+Shift+N plays A minor string by string" strings
# A message would be a window of the program's title.
untroubled() { ! xdotool search --onlyvisible --name '^Strumkin$' >/dev/null 2>&1; }
e2e_check "no message box tells of trouble" untroubled

e2e_finish
