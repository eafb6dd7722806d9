#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# End-to-end test of resizing through the X server, as a window manager or a
# user's drag does it: the title window, the introduction, the chord menu and
# the C page are each made larger, smaller and wider, then given their first
# size again, and must then look exactly as they looked when first shown,
# pixel for pixel. Run at scale factor 1 and again at 1.5.
#
# usage: resize.sh PATH-TO-STRUMKIN
# shellcheck disable=SC2317
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

program=${1:?usage: resize.sh PATH-TO-STRUMKIN}
[[ -x $program ]] || { echo "not an executable: $program" >&2; exit 1; }

e2e_init resize xwd
e2e_start_display

# The window's own pixels, header included (its size and place).
shot() { xwd -silent -id "$E2E_WINDOW" -display "$DISPLAY" 2>/dev/null; }

painted() {
  local raw packed
  raw=$(stat -c %s "$1")
  packed=$(gzip -c "$1" | wc -c)
  ((packed * 200 > raw))
}

size_of() {
  xdotool getwindowgeometry "$E2E_WINDOW" 2>/dev/null | sed -n 's/^ *Geometry: //p'
}

# set_size W H: resizes the window and waits until the X server reports it.
set_size() {
  local want="$1x$2"
  xdotool windowsize "$E2E_WINDOW" "$1" "$2" 2>/dev/null || return 1
  local deadline=$(($(e2e_now_us) + 5000000))
  until [[ $(size_of) == "$want" ]]; do
    (($(e2e_now_us) < deadline)) || { e2e_log "size stayed $(size_of), not $want"; return 1; }
    sleep 0.02
  done
}

# round_trip NAME: larger, smaller, wider only, taller only, then the first
# size; the window must come back to exactly its first picture.
round_trip() {
  local name=$1 first w h
  local before=$E2E_TMP/$name-before.xwd after=$E2E_TMP/$name-after.xwd
  # The first picture, once the window has painted (a window not painted
  # yet is one colour, which packs to almost nothing) and holds still.
  local deadline=$(($(e2e_now_us) + 20000000)) still=0
  shot >"$before"
  until ((still >= 3)); do
    (($(e2e_now_us) < deadline)) || { e2e_log "$name never painted and held still"; return 1; }
    sleep 0.1
    shot >"$after" || return 1
    if cmp -s "$before" "$after" && painted "$after"; then
      still=$((still + 1))
    else
      still=0
      cp "$after" "$before"
    fi
  done
  first=$(size_of)
  w=${first%x*}
  h=${first#*x}
  set_size $((w * 17 / 10)) $((h * 13 / 10)) || return 1
  set_size $((w * 6 / 10)) $((h * 5 / 10)) || return 1
  set_size $((w * 3 / 2)) "$h" || return 1
  set_size "$w" $((h * 7 / 5)) || return 1
  set_size "$w" "$h" || return 1
  # Repainting follows the resize; poll for the first picture with a deadline.
  deadline=$(($(e2e_now_us) + 20000000))
  until shot >"$after" && cmp -s "$before" "$after"; do
    if (($(e2e_now_us) >= deadline)); then
      cp "$before" "$E2E_ARTEFACTS/$name-first.xwd"
      cp "$after" "$E2E_ARTEFACTS/$name-back.xwd"
      e2e_log "$name at $first does not look as it did first (both kept as artefacts)"
      return 1
    fi
    sleep 0.1
  done
}

for scale in 1 1.5; do
  export QT_SCALE_FACTOR=$scale
  e2e_start_program "$program"

  e2e_check "[x$scale] the welcome window appears" e2e_wait_window '^Starting Strumkin' 30
  # Continue shows after the five-second wait; its access key works from then on.
  title() {
    local deadline=$(($(e2e_now_us) + 20000000))
    while (($(e2e_now_us) < deadline)); do
      e2e_key alt+c
      e2e_wait_window '^Strumkin  v 1\.0$' 1 && return 0
    done
    return 1
  }
  e2e_check "[x$scale] Continue opens the title window" title
  e2e_check "[x$scale] the title window comes back to its first look" round_trip "title-$scale"

  intro() { e2e_key alt+c && e2e_wait_window '^Introduction$' 10; }
  e2e_check "[x$scale] the introduction opens" intro
  e2e_check "[x$scale] the introduction comes back to its first look" round_trip "intro-$scale"

  menu() { e2e_key alt+s && e2e_wait_window '^Learn Some Chords!$' 10; }
  e2e_check "[x$scale] the chord menu opens" menu
  e2e_check "[x$scale] the chord menu comes back to its first look" round_trip "menu-$scale"

  page() { e2e_key alt+c c c && e2e_wait_window '^Chords C major and C minor$' 10; }
  e2e_check "[x$scale] the C page opens from the Chords menu" page
  e2e_check "[x$scale] the C page comes back to its first look" round_trip "page-$scale"
  e2e_screenshot "page-c-x$scale"

  e2e_stop_pid "$E2E_PROGRAM_PID"
  wait "$E2E_WATCHER_PID" 2>/dev/null || true
  rm -f "$E2E_TMP/exit" "$E2E_TMP/program.pid"
done

e2e_finish
