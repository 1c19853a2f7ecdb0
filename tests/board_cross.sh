#!/bin/sh
# Replays made by the other builds of the game, the page's (Node) and the
# Windows one (under wine), are taken by the board with the scores that the
# desktop game verifies.
#
#   sh tests/board_cross.sh BUILD_DIR SOURCE_DIR "GAME COMMAND"...
# for example "node build-web/ridgeline-node.js" "wine build-windows/ridgeline.exe".
set -eu
build=$1
source_dir=$2
shift 2
board=$build/ridgeline-board
. "$source_dir/tests/board_common.sh"

start_board "$work/board.sqlite"
seed=20
for command in "$@"; do
  seed=$((seed + 1))
  printf '#!/bin/sh\nexec %s "$@"\n' "$command" >"$work/game"
  chmod +x "$work/game"
  sh "$source_dir/tests/make_replay.sh" "$work/game" "$source_dir" "$seed" >"$work/$seed.script" ||
    fail "$command made no replay"
  verified=$("$build/ridgeline" --verify "$work/$seed.script") || fail "the desktop does not verify the replay of $command"
  [ "$(submit "$work/$seed.script" cross)" = 201 ] || fail "$command's replay: $(cat "$work/answer")"
  grep -q "\"score\":${verified#verified: }[,}]" "$work/answer" ||
    fail "$command's replay: the board says $(cat "$work/answer"), the desktop $verified"
  echo "$command: taken with ${verified#verified: }, as the desktop verifies it"
done
stop_board
