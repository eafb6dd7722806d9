#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# End-to-end test of the way to the saved-chords browser through the member
# page, by keyboard only: the welcome window's Alt+G opens the member page,
# its picker opens the A page, Alt+A saves A major (after the message about
# where chords go), and Tab to the check box and Space open the browser.
#
# usage: sidewindows.sh PATH-TO-STRUMKIN
# shellcheck disable=SC2317
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

program=${1:?usage: sidewindows.sh PATH-TO-STRUMKIN}
[[ -x $program ]] || { echo "not an executable: $program" >&2; exit 1; }

e2e_init sidewindows
e2e_start_display
e2e_start_program "$program"

e2e_to_a_page
page=$E2E_WINDOW

saved_file="$E2E_TMP/home/Chords/Amajor.txt"
saves_a_major() {
  e2e_key alt+a || return 1
  e2e_wait_window '^Strumkin$' 10 || return 1
  e2e_screenshot 02-save-message
  e2e_key Return || return 1
  local deadline=$(($(e2e_now_us) + 10000000))
  until [[ -s $saved_file ]]; do
    (($(e2e_now_us) < deadline)) || return 1
    sleep 0.05
  done
  [[ $(wc -c <"$saved_file") -eq 293 ]]
}
e2e_check "Alt+A tells where chords go, then saves A major (293 bytes)" saves_a_major

browser() {
  E2E_WINDOW=$page
  e2e_key Tab Tab Tab Tab Tab Tab space && e2e_wait_window '^Find$' 10
}
e2e_check "Tab to the check box and Space open the browser 'Find'" browser
e2e_screenshot 03-browser

e2e_finish
