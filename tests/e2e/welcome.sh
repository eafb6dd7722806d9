#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# End-to-end test of the welcome window, on the real clock:
# its Continue and Exit buttons stay hidden for about five seconds, so the
# Exit button's access key Alt+E does nothing at first and ends the program,
# with exit code 0, once the buttons have appeared.
#
# usage: welcome.sh PATH-TO-STRUMKIN
# The checks are functions that e2e_check calls by name.
# shellcheck disable=SC2317
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

program=${1:?usage: welcome.sh PATH-TO-STRUMKIN}
[[ -x $program ]] || { echo "not an executable: $program" >&2; exit 1; }

# The buttons appear at the first 500 ms tick at which the whole-second clock
# has moved on by 5 since Load: never sooner than 4 s after Load.
min_after_start_us=4000000
# Load comes before the window is seen; allow half a second between the two.
min_after_window_us=3500000
exit_deadline_s=15

e2e_init welcome
e2e_start_display

started_us=$(e2e_now_us)
e2e_start_program "$program"

window_found() { e2e_wait_window '^Starting Strumkin\.\.\.\.\.\.' 30; }
e2e_check "the welcome window appears, titled 'Starting Strumkin......'" window_found
if [[ -z $E2E_WINDOW ]]; then
  e2e_finish
fi
window_us=$(e2e_now_us)
e2e_screenshot 01-waiting

# During the wait Exit is hidden: its access key must not end the program.
# The real clock is under test, so this watches the process for one second.
ignored_during_wait() {
  e2e_key alt+e || return 1
  local until=$(($(e2e_now_us) + 1000000))
  while (($(e2e_now_us) < until)); do
    if ! e2e_running; then
      e2e_log "the program ended $((($(e2e_now_us) - window_us) / 1000)) ms after its window appeared"
      return 1
    fi
    sleep 0.05
  done
}
e2e_check "Alt+E does nothing while Continue and Exit are hidden" ignored_during_wait

# After the wait Exit is shown and Alt+E ends the program.
exits_after_wait() {
  local deadline=$(($(e2e_now_us) + exit_deadline_s * 1000000))
  while e2e_running; do
    if (($(e2e_now_us) >= deadline)); then
      e2e_log "still running ${exit_deadline_s} s after the window appeared"
      return 1
    fi
    # Near the end of the wait, the screen before each key: the last one kept
    # shows the window as the key that ended the program found it.
    if (($(e2e_now_us) - window_us > min_after_window_us)); then
      e2e_screenshot 02-before-exit
    fi
    e2e_key alt+e || true
    sleep 0.25
  done
  e2e_wait_exit 5
}
e2e_check "Alt+E ends the program once the wait is over" exits_after_wait

if ! e2e_running; then
  code=$(e2e_exit_code)
  ended_us=$(e2e_exit_time_us)
  e2e_log "exit code $code, $(((ended_us - window_us) / 1000)) ms after the window appeared," \
    "$(((ended_us - started_us) / 1000)) ms after the start"
  exit_code_zero() { [[ $code == 0 ]]; }
  e2e_check "the program exits with code 0" exit_code_zero
  not_before_wait() {
    ((ended_us - started_us >= min_after_start_us && ended_us - window_us >= min_after_window_us))
  }
  e2e_check "the program does not end before the wait is over" not_before_wait
else
  # Counted as failed, so the total does not depend on how far the test got.
  e2e_check "the program exits with code 0" false
  e2e_check "the program does not end before the wait is over" false
fi

e2e_finish
