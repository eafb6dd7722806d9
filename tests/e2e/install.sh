#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# End-to-end test of the installed program: installs the build into a
# temporary prefix, checks what lands where, validates the desktop entry and
# the AppStream metainfo, then starts the installed program the way a desktop
# would, through the command its desktop entry names on PATH, from a folder
# other than its own, and checks that it opens its readme and help from the
# installed program folder.
#
# usage: install.sh CMAKE BUILD-DIR
# The checks are functions that e2e_check calls by name.
# shellcheck disable=SC2317
set -uo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

cmake=${1:?usage: install.sh CMAKE BUILD-DIR}
build=${2:?usage: install.sh CMAKE BUILD-DIR}
[[ -f $build/cmake_install.cmake ]] || { echo "not a configured build: $build" >&2; exit 1; }
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)
app_id=org.example.Strumkin

e2e_init install

# scripts/setup installs the validators and xprop; only a machine that has
# not run it may skip, never CI.
for tool in desktop-file-validate appstreamcli xprop; do
  if ! command -v "$tool" >/dev/null; then
    if [[ ${CI:-} == true ]]; then
      echo "$tool is not installed, and CI must not skip this test" >&2
      exit 1
    fi
    echo "$tool is not installed: skipping install (scripts/setup installs it)"
    exit "$E2E_SKIP"
  fi
done

# Real paths throughout: the program names its folder with links resolved.
tmp=$(cd "$E2E_TMP" && pwd -P)
prefix=$tmp/prefix
program_dir=$prefix/lib/strumkin
launcher=$prefix/bin/strumkin
entry=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
icons=$prefix/share/icons/hicolor

installs() {
  "$cmake" --install "$build" --prefix "$prefix" >"$E2E_ARTEFACTS/install.log" 2>&1 || {
    cat "$E2E_ARTEFACTS/install.log"
    return 1
  }
}
e2e_check "cmake --install puts the build into a temporary prefix" installs
[[ -d $prefix ]] || e2e_finish

executable() { [[ -f $program_dir/strumkin && -x $program_dir/strumkin ]]; }
e2e_check "the executable is lib/strumkin/strumkin" executable

# Every picture of the sources, the readme and the help, unchanged.
beside() {
  local source name ok=0
  for source in "$source_dir"/assets/pictures/*.BMP \
    "$source_dir/assets/docs/readme.txt" "$source_dir/assets/docs/chords.html"; do
    name=${source##*/}
    if ! cmp -s "$source" "$program_dir/$name"; then
      e2e_log "missing or different beside the executable: $name"
      ok=1
    fi
  done
  return "$ok"
}
e2e_check "the pictures, readme.txt and chords.html lie beside the executable" beside

# Relative, so that the installed tree can be moved or staged as a whole.
launcher_link() {
  local target
  target=$(readlink "$launcher") || { e2e_log "bin/strumkin is not a link"; return 1; }
  e2e_log "bin/strumkin -> $target"
  [[ $target != /* && $(realpath "$launcher") == "$program_dir/strumkin" ]]
}
e2e_check "bin/strumkin is a relative link to the executable" launcher_link

# Every installed file, the link made by install code included, is in the
# manifest, so that uninstalling by it leaves nothing behind.
manifest_lists_everything() {
  local manifest=$build/install_manifest.txt path ok=0
  [[ -f $manifest ]] || { e2e_log "no $manifest"; return 1; }
  while IFS= read -r path; do
    if ! grep -qxF "$path" "$manifest"; then
      e2e_log "not in install_manifest.txt: $path"
      ok=1
    fi
  done < <(find "$prefix" -type f -o -type l)
  return "$ok"
}
e2e_check "install_manifest.txt lists every installed file and the launcher" manifest_lists_everything

# The value of a key in the desktop entry's main group.
entry_value() {
  sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$entry" | head -n 1
}

entry_valid() {
  [[ -f $entry ]] || { e2e_log "no $entry"; return 1; }
  local output rc=0
  output=$(desktop-file-validate "$entry" 2>&1) || rc=$?
  printf '%s\n' "$output" >"$E2E_ARTEFACTS/desktop-file-validate.txt"
  e2e_log "desktop-file-validate: exit $rc${output:+, }$output"
  # Hints and warnings are printed with exit code 0: any output fails.
  [[ $rc == 0 && -z $output ]]
}
e2e_check "desktop-file-validate accepts the desktop entry without a remark" entry_valid

# The desktop runs Exec= through PATH; the command must be the installed one.
exec_command=$(entry_value Exec)
exec_command=${exec_command%% *}
PATH=$prefix/bin:$PATH
exec_on_path() {
  e2e_log "Exec= names '$exec_command'"
  [[ -n $exec_command && $(command -v "$exec_command") == "$prefix/bin/$exec_command" ]]
}
e2e_check "the desktop entry's Exec= command is the installed bin/ command" exec_on_path

# --strict fails on errors, warnings and infos; pedantic hints are only
# reported (the one expected is the capital in the reverse-DNS id).
metainfo_valid() {
  [[ -f $metainfo ]] || { e2e_log "no $metainfo"; return 1; }
  local output rc=0
  output=$(appstreamcli validate --no-net --strict --pedantic "$metainfo" 2>&1) || rc=$?
  printf '%s\n' "$output" >"$E2E_ARTEFACTS/appstreamcli-validate.txt"
  e2e_log "appstreamcli validate: exit $rc"
  printf '%s\n' "$output" | sed 's/^/#   /'
  [[ $rc == 0 ]]
}
e2e_check "appstreamcli validate --no-net --strict accepts the metainfo" metainfo_valid

# The metainfo, the desktop entry, the icon and the command agree on names.
metainfo_text() {
  tr -d '\n' <"$metainfo" | grep -o "<$1[^>]*>[^<]*</$1>" | head -n 1 | sed 's/<[^>]*>//g'
}
names_agree() {
  local id launchable binary ok=0
  id=$(metainfo_text id)
  launchable=$(metainfo_text launchable)
  binary=$(metainfo_text binary)
  e2e_log "metainfo id '$id', launchable '$launchable', binary '$binary'; Icon= '$(entry_value Icon)'"
  [[ $id == "$app_id" ]] || ok=1
  [[ $launchable == "${entry##*/}" ]] || ok=1
  [[ $binary == "$exec_command" ]] || ok=1
  [[ $(entry_value Icon) == "$app_id" ]] || ok=1
  return "$ok"
}
e2e_check "metainfo id, launchable, binary and the entry's Icon= name the installed files" names_agree

# The icon as SVG in hicolor/scalable and as a PNG of each usual size, each
# PNG as large as its header says and its folder promises.
icons_installed() {
  local ok=0 size png actual
  cmp -s "$source_dir/assets/desktop/icons/scalable/apps/$app_id.svg" "$icons/scalable/apps/$app_id.svg" ||
    { e2e_log "no $icons/scalable/apps/$app_id.svg"; ok=1; }
  for size in 16 24 32 48 64 128 256; do
    png=$icons/${size}x$size/apps/$app_id.png
    [[ -f $png ]] || { e2e_log "no $png"; ok=1; continue; }
    actual=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
    [[ $actual == "${size}x$size" ]] || { e2e_log "$png is $actual"; ok=1; }
  done
  return "$ok"
}
e2e_check "the icon is installed as scalable SVG and as PNGs of 16 to 256 px" icons_installed

# A staged install writes below DESTDIR only, the link included.
staged() {
  local stage=$tmp/stage
  local existed=0
  [[ -e /usr/bin/strumkin || -L /usr/bin/strumkin ]] && existed=1
  DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >"$E2E_ARTEFACTS/install-destdir.log" 2>&1 || {
    cat "$E2E_ARTEFACTS/install-destdir.log"
    return 1
  }
  [[ $(readlink "$stage/usr/bin/strumkin") == ../lib/strumkin/strumkin ]] || return 1
  [[ $(realpath "$stage/usr/bin/strumkin") == "$stage/usr/lib/strumkin/strumkin" ]] || return 1
  [[ -f $stage/usr/share/applications/$app_id.desktop ]] || return 1
  ((existed)) || [[ ! -e /usr/bin/strumkin && ! -L /usr/bin/strumkin ]]
}
e2e_check "DESTDIR=... --prefix /usr stages everything, the link included, below DESTDIR" staged

executable || e2e_finish

# Started from an empty folder of its own, with an opener on PATH that
# records what the program asks it to open instead of opening it.
mkdir -p "$tmp/elsewhere"
e2e_stand_in_opener

e2e_start_display
cd "$tmp/elsewhere" || exit 1
e2e_start_program "$(command -v "$exec_command")"

welcome() { e2e_wait_window '^Starting Strumkin\.\.\.\.\.\.' 30; }
e2e_check "the installed program shows the welcome window 'Starting Strumkin......'" welcome
[[ -n $E2E_WINDOW ]] || e2e_finish
e2e_screenshot 01-welcome

# The kernel resolves the link: the running executable is the installed one.
runs_installed() {
  local exe cwd
  exe=$(readlink "/proc/$E2E_PROGRAM_PID/exe") || return 1
  cwd=$(readlink "/proc/$E2E_PROGRAM_PID/cwd") || return 1
  e2e_log "running $exe in $cwd"
  [[ $exe == "$program_dir/strumkin" && $cwd == "$tmp/elsewhere" ]]
}
e2e_check "the process is the installed executable, in another working folder" runs_installed

# Docks and task bars match a window to its desktop entry by the class of
# WM_CLASS, since the entry is named after the id and not after the program.
matches_entry() {
  local wm_class wanted
  wanted=$(entry_value StartupWMClass)
  wm_class=$(xprop -id "$E2E_WINDOW" WM_CLASS 2>/dev/null) || { e2e_log "xprop failed"; return 1; }
  e2e_log "$wm_class; StartupWMClass= '$wanted'"
  [[ -n $wanted && $wm_class == *", \"$wanted\"" ]]
}
e2e_check "the window's WM_CLASS class is the entry's StartupWMClass=" matches_entry

member_page() { e2e_key alt+g && e2e_wait_window '^Welcome!$' 10; }
e2e_check "Alt+G opens the member page 'Welcome!'" member_page
[[ -n $E2E_WINDOW ]] || e2e_finish
e2e_screenshot 02-member-page

e2e_check_documents "$program_dir"

e2e_finish
