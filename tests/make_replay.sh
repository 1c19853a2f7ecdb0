#!/bin/sh
# Makes a replay file of random play: the run of tests/random_script.awk with
# seed $3, recorded by the game, up to the end of its first game (or of the
# last game over by pass $4 when given), with the header of that game.
#
#   sh tests/make_replay.sh GAME SOURCE_DIR SEED [PASSES] >replay.script
set -eu
game=$1
source_dir=$2
seed=$3
passes=${4:-3000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v PASSES="$passes" -v SEED="$seed" -f "$source_dir/tests/random_script.awk" >"$work/input"
"$game" --headless --frames "$passes" --input "$work/input" --record "$work/record" \
  --trace "$work/trace"
# began, over and score of the game chosen, from the state after every pass.
game_line=$(awk -v last="${4:+1}" '
  {
    match($0, /"pass":[0-9]+/); pass = substr($0, RSTART + 7, RLENGTH - 7)
    match($0, /"state":[0-9]+/); state = substr($0, RSTART + 8, RLENGTH - 8)
    match($0, /"score":[0-9]+/); score = substr($0, RSTART + 8, RLENGTH - 8)
    if (state != previous && state == 1) began = pass
    if (state != previous && state == 2) { found = began " " pass " " score; if (!last) { print found; exit } }
    previous = state
  }
  END { if (last && found) print found }' "$work/trace")
[ -n "$game_line" ] || { echo "seed $seed: no game over in $passes passes" >&2; exit 1; }
set -- $game_line
printf '# ridgeline replay\n# score %s\n# date 2026-01-01 00:00:00\n# began %s\n# over %s\n' "$3" "$1" "$2"
awk -v over="$2" '/^seed / || int($1) <= over' "$work/record"
