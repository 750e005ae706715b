#!/usr/bin/env bash
# One library's view of the source tree: with the library's own include flags, a header of its
# own folders or of a declared dependency compiles, and a header of a library above it or beside
# it is not found at all.
# Usage: layer_includes.sh CXX LIBRARY VISIBLE_HEADER HIDDEN_HEADER... -- INCLUDE_FLAGS...
set -uo pipefail
cxx=$1 library=$2 visible=$3
shift 3
hidden=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do hidden+=("$1"); shift; done
shift
flags=("$@")
status=0
compile() { printf '#include "%s"\n' "$1" | "$cxx" -std=c++20 -fsyntax-only "${flags[@]}" -x c++ - 2>&1; }
if ! out=$(compile "$visible"); then
  echo "$library: $visible should be visible but does not compile:" >&2
  echo "$out" | head -5 >&2
  status=1
fi
for h in "${hidden[@]}"; do
  out=$(compile "$h")
  if ! grep -q "$h: No such file or directory" <<<"$out"; then
    echo "$library: $h should not be visible, but the compiler found it" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "$library: sees $visible; ${#hidden[@]} header(s) above it are hidden"
exit $status
