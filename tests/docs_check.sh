#!/bin/sh
# The documents a player reads: the manual page renders without a warning,
# runs no words together and names every option; --help fits 80 columns; the
# README's first screen holds the rules, the keys, the menu and how to start.
#
#   tests/docs_check.sh GAME MANUAL_PAGE README
set -u
game=$1
page=$2
readme=$3
failed=0

fail() {
  echo "docs_check: $*" >&2
  failed=1
}

if command -v man > /dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "man --warnings on $page: $warnings"
else
  echo "docs_check: no man here; the page is not rendered"
fi

# An alternating-font request joins its arguments without spaces: more than
# three words run together (".BR \-\-mute ), a data file").
joined=$(awk '/^\.(BR|BI|IB|IR|RB|RI) / {
  line = $0
  gsub(/"[^"]*"/, "x", line)
  if (split(line, words, " ") > 4) print FNR ": " $0
}' "$page")
[ -z "$joined" ] || fail "words run together in $page: $joined"

help=$("$game" --help) || fail "$game --help failed"
too_wide=$(printf '%s\n' "$help" | awk 'length > 80 { print length ": " $0 }')
[ -z "$too_wide" ] || fail "--help is wider than 80 columns: $too_wide"
for option in $(printf '%s\n' "$help" | sed -n 's/^  \(--[a-z-]*\).*/\1/p'); do
  escaped=$(printf '%s' "$option" | sed 's/-/\\\\-/g')
  grep -q -- "$escaped" "$page" || fail "the manual page does not name $option"
done

first_screen=$(head -n 40 "$readme")
for needed in "touches" "100, 200, 300" "Left" "Right" "Up" "Space" "Escape" "menu" \
  "Quit" "settings.ini" "make run" "make test"; do
  printf '%s\n' "$first_screen" | grep -q -- "$needed" ||
    fail "the README's first 40 lines do not say \"$needed\""
done

[ "$failed" = 0 ] && echo "docs_check: manual page, --help and the README's first screen hold"
exit "$failed"
