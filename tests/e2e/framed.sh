#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# End-to-end test of window placement under a real window manager (openbox),
# which frames every window with a title bar: the welcome window centres its
# frame, title bar included, on the screen; Alt+G opens the member page, whose
# frame is centred too; the picker's Down opens the A page beside it, without
# overlapping it and fully on the screen.
#
# usage: framed.sh PATH-TO-STRUMKIN
# shellcheck disable=SC2317
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

program=${1:?usage: framed.sh PATH-TO-STRUMKIN}
[[ -x $program ]] || { echo "not an executable: $program" >&2; exit 1; }

e2e_init framed openbox xwininfo xprop
# The size the pages were seen on over the member page: room for both side by side.
screen_w=1600
screen_h=1200
e2e_start_display "${screen_w}x$screen_h"

openbox --sm-disable --config-file /dev/null >"$E2E_TMP/openbox.log" 2>&1 &
wm_pid=$!
# The window manager is ready once it has announced itself on the root window.
wm_ready() {
  local deadline=$(($(e2e_now_us) + 10000000))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    (($(e2e_now_us) < deadline)) || return 1
    sleep 0.05
  done
}
e2e_check "openbox manages the display" wm_ready

e2e_start_program "$program"

finish() {
  e2e_stop_pid "$wm_pid"
  e2e_finish
}

# frame_of WINDOW: "x y width height" of the window's frame, from the client's
# place and the frame extents the window manager publishes.
frame_of() {
  local info extents x y w h l r t b
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null) || return 1
  [[ $extents == *=* ]] || return 1
  IFS=', ' read -r l r t b <<<"${extents#*= }"
  x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
  w=$(awk '/^ *Width:/ {print $NF}' <<<"$info")
  h=$(awk '/^ *Height:/ {print $NF}' <<<"$info")
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# settled_frame WINDOW: the frame once it is framed and has held still for
# 300 ms (at most 10 s); sets FRAME.
settled_frame() {
  local deadline=$(($(e2e_now_us) + 10000000)) last="" same_since=0 now
  FRAME=""
  while (($(e2e_now_us) < deadline)); do
    now=$(frame_of "$1") || now=""
    if [[ -n $now && $now == "$last" ]]; then
      if (($(e2e_now_us) - same_since >= 300000)); then
        FRAME=$now
        e2e_log "frame of $1: $FRAME"
        return 0
      fi
    else
      last=$now
      same_since=$(e2e_now_us)
    fi
    sleep 0.05
  done
  e2e_log "the frame of $1 did not settle (last: '$last')"
  return 1
}

# centred X Y W H: the frame's centre is the screen's, give or take a pixel of
# rounding on each side.
centred() {
  local x=$1 y=$2 w=$3 h=$4
  local dx=$((2 * x + w - screen_w)) dy=$((2 * y + h - screen_h))
  e2e_log "centre off by $dx/2, $dy/2 px"
  ((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2))
}

welcome() { e2e_wait_window '^Starting Strumkin' 30 && settled_frame "$E2E_WINDOW"; }
e2e_check "the welcome window appears framed" welcome
[[ -n $FRAME ]] || finish
e2e_screenshot 01-welcome
# shellcheck disable=SC2086
welcome_centred() { centred $FRAME; }
e2e_check "the welcome window's frame is centred on the screen" welcome_centred

member_page() { e2e_key alt+g && e2e_wait_window '^Welcome!$' 10 && settled_frame "$E2E_WINDOW"; }
e2e_check "Alt+G opens the member page, framed" member_page
[[ -n $FRAME ]] || finish
member=$FRAME
e2e_screenshot 02-member-page
# shellcheck disable=SC2086
member_centred() { centred $member; }
e2e_check "the member page's frame is centred on the screen" member_centred

# The picker holds the focus; Down chooses "The A Chords".
a_page() {
  e2e_key Down && e2e_wait_window '^Chords A major and A minor$' 10 && settled_frame "$E2E_WINDOW"
}
e2e_check "the picker opens the A page, framed" a_page
[[ -n $FRAME ]] || finish
e2e_screenshot 03-a-page
beside() {
  local mx my mw mh px py pw ph
  read -r mx my mw mh <<<"$member"
  read -r px py pw ph <<<"$FRAME"
  ((px >= 0 && py >= 0 && px + pw <= screen_w && py + ph <= screen_h)) || return 1
  ((px >= mx + mw || px + pw <= mx || py >= my + mh || py + ph <= my))
}
e2e_check "the A page stands beside the member page, on the screen" beside

finish
