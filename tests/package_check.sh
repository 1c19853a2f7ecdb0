#!/usr/bin/env bash
# The Debian package as a player gets it: built with `make package`, checked
# by the validators, installed by dpkg into a scratch root, played from there,
# then removed, leaving nothing behind.
#
#   tests/package_check.sh [BUILD_DIR]     # default: build, as `make test` left it
#
# Installs the validators (desktop-file-utils, appstream, lintian, man-db,
# pngcheck) when missing; `make package` installs what packaging needs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=org.cairnworks.Ridgeline

fail() {
  echo "package_check: $*" >&2
  exit 1
}

tools/install-packages desktop-file-utils appstream lintian man-db pngcheck

make package BUILD="$build" > /dev/null
deb=$(ls "$build"/ridgeline_*_amd64.deb)
echo "package: $deb, $(stat -c %s "$deb") bytes"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

# The validators, on the files as the package carries them.
lintian --fail-on error,warning "$deb"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
dpkg=(dpkg --root="$root" --log="$root/dpkg.log")
# The libraries it depends on are the host's, outside the scratch root, so
# dpkg's complaints that they are missing from it are expected.
"${dpkg[@]}" --force-depends --install "$deb" > "$root/dpkg.out" 2>&1 ||
  fail "dpkg could not install it: $(cat "$root/dpkg.out")"

share="$root/usr/share"
desktop="$share/applications/$id.desktop"
desktop-file-validate "$desktop"
[ "$(sed -n 's/^Exec=//p' "$desktop")" = ridgeline ] || fail "the menu entry does not start ridgeline"
[ -x "$root/usr/bin/ridgeline" ] || fail "no usr/bin/ridgeline"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the menu entry names another icon"
for size in 16 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  # Checks every chunk's CRC and the compressed stream, and gives the size.
  pngcheck "$icon" | grep "^OK: .* (${size}x${size}, " > /dev/null ||
    fail "$icon is not a sound ${size}x${size} PNG"
done
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo does not launch the menu entry"
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man6/ridgeline.6.gz" 2>&1 > /dev/null)
[ -z "$man_warnings" ] || fail "manual page: $man_warnings"
[ -s "$share/doc/ridgeline/copyright" ] || fail "no copyright file"

# The installed game finds its data under share/ and plays the same run as
# the game in the build folder.
installed_trace="$root/installed.jsonl"
built_trace="$root/built.jsonl"
for game in "$root/usr/bin/ridgeline:$installed_trace" "$build/ridgeline:$built_trace"; do
  "${game%%:*}" --headless --frames 300 --input docs/play-screen.script --trace "${game#*:}"
done
[ "$(wc -l < "$installed_trace")" = 300 ] || fail "the installed game did not play 300 passes"
cmp -s "$installed_trace" "$built_trace" || fail "the installed game played another run"

"${dpkg[@]}" --purge ridgeline > /dev/null
left=$(cd "$root" && find . -mindepth 1 -not -path './var/lib/dpkg*' -not -path ./var -not -path ./var/lib \
  -not -name '*.jsonl' -not -name 'dpkg.*')
[ -z "$left" ] || fail "left after removal: $left"
echo "package_check: built, validated, installed, played 300 passes, removed: nothing left"
