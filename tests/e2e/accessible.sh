#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# End-to-end test of what a screen reader gets: the program on its own Xvfb
# with a private session bus and the AT-SPI bus, walked and pressed by
# accessible.py over AT-SPI (pyatspi) from the welcome window to a saved C
# major. Skipped without python3-pyatspi or the AT-SPI bus launcher.
#
# usage: accessible.sh PATH-TO-STRUMKIN
# shellcheck disable=SC2317
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

program=${1:?usage: accessible.sh PATH-TO-STRUMKIN}
[[ -x $program ]] || { echo "not an executable: $program" >&2; exit 1; }

launcher=/usr/libexec/at-spi-bus-launcher
e2e_init accessible dbus-daemon dbus-send "$launcher"
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "python3-pyatspi is not installed: skipping accessible (scripts/setup installs it)"
  exit "$E2E_SKIP"
fi

e2e_start_display
read -r bus bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
export DBUS_SESSION_BUS_ADDRESS=$bus
"$launcher" --launch-immediately --a11y=1 --screen-reader=1 >"$E2E_TMP/atspi.log" 2>&1 &
launcher_pid=$!
# In this order: the program, the AT-SPI bus, the session bus, then Xvfb.
# e2e_cleanup exits with the status it finds, so the test's own goes before it.
trap 'rc=$?; e2e_stop_pid "$E2E_PROGRAM_PID"; e2e_stop_pid "$launcher_pid"
  kill "$bus_pid" 2>/dev/null; (exit "$rc"); e2e_cleanup' EXIT

atspi_address() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    2>/dev/null | sed -n 's/.*string "\(.*\)"/\1/p'
}
address=""
deadline=$(($(e2e_now_us) + 10000000))
until [[ -n $address ]] || (($(e2e_now_us) > deadline)); do
  address=$(atspi_address)
  [[ -n $address ]] || sleep 0.05
done
bus_up() { [[ -n $address ]]; }
e2e_check "the AT-SPI bus is up" bus_up
[[ -n $address ]] || e2e_finish

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start_program "$program"
walked() {
  AT_SPI_BUS_ADDRESS=$address timeout 80 /usr/bin/python3 \
    "$(dirname "${BASH_SOURCE[0]}")/accessible.py"
}
e2e_check "every window walked over AT-SPI is named and pressed through to a save" walked

saved_file="$E2E_TMP/home/Chords/Cchords/Cmajor.txt"
saved() {
  local deadline=$(($(e2e_now_us) + 10000000))
  until [[ -s $saved_file ]]; do
    (($(e2e_now_us) < deadline)) || return 1
    sleep 0.05
  done
}
e2e_check "the save button pressed over AT-SPI saved C major" saved

e2e_finish
