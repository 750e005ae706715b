#!/usr/bin/env bash
# The install tree: `cmake --install` into a temporary prefix puts the program with its content
# store and skins under lib/tavra, a launcher in bin that finds them from any folder, and the
# desktop entry, icons and AppStream metadata, which their validators accept.
# Usage: install_tree.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "install tree: $1" >&2; exit 1; }
for f in bin/tavra lib/tavra/tavra lib/tavra/help.mht lib/tavra/flash.swf lib/tavra/mat/priv.mht lib/tavra/test/v3/10.mht \
         lib/tavra/dmat/ok.png lib/tavra/dmat/no.png lib/tavra/skins/Rhombus.asz \
         share/applications/org.tavra.Tavra.desktop share/metainfo/org.tavra.Tavra.metainfo.xml share/icons/hicolor/scalable/apps/tavra.svg; do
  [ -e "$prefix/$f" ] || fail "$f is missing"
done
for size in 16 22 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/tavra.png
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is not ${size}x${size}"
done
[ -x "$prefix/bin/tavra" ] && [ -x "$prefix/lib/tavra/tavra" ] || fail "the launcher or the program is not executable"
# Nothing but the program, its store and the desktop files: no tools, tests or benchmarks.
extra=$(cd "$prefix" && find . -type f -perm -u+x | grep -v -e '^./bin/tavra$' -e '^./lib/tavra/tavra$' || true)
[ -z "$extra" ] || fail "unexpected programs installed: $extra"
# The launcher starts the installed program from any folder (without a display it says so).
said=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$prefix/bin/tavra" 2>&1 || true)
case "$said" in *"tavra: no display"*) ;; *) fail "the launcher did not start the program: $said" ;; esac
appstreamcli validate --no-net "$prefix/share/metainfo/org.tavra.Tavra.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$prefix/share/metainfo/org.tavra.Tavra.metainfo.xml"; fail "AppStream metadata rejected"; }
desktop-file-validate "$prefix/share/applications/org.tavra.Tavra.desktop" || fail "desktop entry rejected"
echo "install tree: complete"
