# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# Shared by scripts/run and scripts/test: the repository root and a configure
# step that always uses Ninja.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# configure BUILD_DIR CMAKE_ARGS...
# A build folder made earlier with another generator is started afresh,
# since CMake refuses to switch generators in place.
configure() {
  local dir=$1
  shift
  local cache="$root/$dir/CMakeCache.txt"
  if [[ -f "$cache" ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
    echo "$dir was configured with another generator; configuring it afresh"
    rm -rf "${root:?}/$dir/CMakeCache.txt" "${root:?}/$dir/CMakeFiles"
  fi
  cmake -S "$root" -B "$root/$dir" -G Ninja "$@"
}
