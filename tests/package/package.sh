#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# The Debian package on a real system: installs it with apt-get, checks what
# dpkg put where, starts /usr/bin/strumkin under Xvfb, opens the readme and
# the help from the installed folder, saves a chord into a temporary home,
# then purges the package and checks that no file of it is left.
#
# It changes the system, so it runs only as root and refuses to touch a
# strumkin that was installed before it: CI runs it on a throwaway machine.
#
# usage: package.sh DEB
# The checks are functions that e2e_check calls by name.
# shellcheck disable=SC2317
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh" || exit 1

deb=$(realpath "${1:?usage: package.sh DEB}") || exit 1
[[ -f $deb ]] || { echo "no package $deb" >&2; exit 1; }
if ((EUID != 0)); then
  echo "package.sh installs and purges a package: run it as root" >&2
  exit 1
fi
if dpkg-query -W -f='${db:Status-Status}' strumkin 2>/dev/null | grep -q .; then
  if [[ $(dpkg-query -W -f='${db:Status-Status}' strumkin) != not-installed ]]; then
    echo "strumkin is installed already; package.sh would purge it" >&2
    exit 1
  fi
fi

e2e_init package
program_dir=/usr/lib/strumkin
files=$E2E_TMP/files
# A test that stops half way still takes the package away again.
purge_quietly() {
  DEBIAN_FRONTEND=noninteractive apt-get purge -y strumkin >/dev/null 2>&1 || true
}
trap 'rc=$?; e2e_stop_pid "$E2E_PROGRAM_PID"; purge_quietly; (exit "$rc"); e2e_cleanup' EXIT

installs() {
  DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$E2E_ARTEFACTS/apt-install.log" 2>&1 || {
    tail -n 20 "$E2E_ARTEFACTS/apt-install.log"
    return 1
  }
  # The package's own files and links, not the folders it shares.
  local path
  while IFS= read -r path; do
    [[ -f $path || -L $path ]] && printf '%s\n' "$path"
  done < <(dpkg -L strumkin) >"$files"
  e2e_log "$(wc -l <"$files") files installed"
}
e2e_check "apt-get install $(basename "$deb") installs it with its dependencies" installs
[[ -s $files ]] || e2e_finish

# What a Debian system expects, where it expects it.
laid_out() {
  local path ok=0
  for path in /usr/bin/strumkin $program_dir/strumkin $program_dir/libstrumkin-sound.so \
    $program_dir/libstrumkin-vector.so $program_dir/readme.txt $program_dir/chords.html \
    $program_dir/guitar1.BMP /usr/share/applications/org.example.Strumkin.desktop \
    /usr/share/metainfo/org.example.Strumkin.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.example.Strumkin.svg \
    /usr/share/icons/hicolor/48x48/apps/org.example.Strumkin.png \
    /usr/share/doc/strumkin/copyright /usr/share/doc/strumkin/changelog.gz \
    /usr/share/man/man1/strumkin.1.gz; do
    grep -qxF "$path" "$files" || { e2e_log "not installed: $path"; ok=1; }
  done
  [[ $(realpath /usr/bin/strumkin) == "$program_dir/strumkin" ]] || ok=1
  head -n 1 /usr/share/doc/strumkin/copyright | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    { e2e_log "the copyright file is not machine-readable"; ok=1; }
  return "$ok"
}
e2e_check "the launcher, the program folder, desktop files, icons, copyright, changelog and manual page" laid_out

mkdir -p "$E2E_TMP/elsewhere"
e2e_stand_in_opener
e2e_start_display
cd "$E2E_TMP/elsewhere" || exit 1
e2e_start_program /usr/bin/strumkin
e2e_to_a_page
e2e_screenshot 02-a-page

# The A page first says where the chords go; Return answers it.
saves() {
  e2e_key alt+a || return 1
  local page=$E2E_WINDOW
  e2e_wait_window '^Strumkin$' 10 || return 1
  e2e_key Return || return 1
  E2E_WINDOW=$page
  local deadline=$(($(e2e_now_us) + 10000000)) saved
  until saved=$(find "$E2E_TMP/home/Chords" -maxdepth 1 -name '*.txt' -size +0 2>/dev/null) && [[ -n $saved ]]; do
    (($(e2e_now_us) < deadline)) || { e2e_log "nothing saved under ~/Chords"; return 1; }
    sleep 0.05
  done
  e2e_log "saved $saved: $(wc -c <"$saved") bytes"
}
e2e_check "Alt+A on the A page saves the chord into the temporary home" saves

member_page() { e2e_wait_window '^Welcome!$' 5; }
e2e_check "the member page is still open beside the page" member_page
e2e_check_documents "$program_dir"

# The icons' renderer loads only where a screen is scaled, from the program
# folder.
renderer_loaded() { grep -q " $program_dir/libstrumkin-vector\.so$" "/proc/$E2E_PROGRAM_PID/maps"; }
at_100() { ! renderer_loaded; }
e2e_check "at 100 % the icons' renderer is not loaded" at_100
e2e_stop_pid "$E2E_PROGRAM_PID"
e2e_wait_exit 5
rm -f "$E2E_TMP/exit" "$E2E_TMP/program.pid"
QT_SCALE_FACTOR=2 e2e_start_program /usr/bin/strumkin
at_200() { e2e_wait_window '^Starting Strumkin' 30 && renderer_loaded; }
e2e_check "at 200 % the welcome window's icon loads $program_dir/libstrumkin-vector.so" at_200
e2e_screenshot 03-welcome-at-200
e2e_stop_pid "$E2E_PROGRAM_PID"
E2E_PROGRAM_PID=""

purges() {
  DEBIAN_FRONTEND=noninteractive apt-get purge -y strumkin >"$E2E_ARTEFACTS/apt-purge.log" 2>&1 || {
    tail -n 20 "$E2E_ARTEFACTS/apt-purge.log"
    return 1
  }
  [[ $(dpkg-query -W -f='${db:Status-Status}' strumkin 2>/dev/null || echo not-installed) == not-installed ]]
}
e2e_check "apt-get purge -y strumkin removes the package" purges

nothing_left() {
  local path ok=0
  while IFS= read -r path; do
    if [[ -e $path || -L $path ]]; then
      e2e_log "left behind: $path"
      ok=1
    fi
  done <"$files"
  for path in $program_dir /usr/share/doc/strumkin; do
    [[ ! -e $path ]] || { e2e_log "left behind: $path"; ok=1; }
  done
  return "$ok"
}
e2e_check "no file, link or folder of the package is left" nothing_left

e2e_finish
