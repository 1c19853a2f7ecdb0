#!/bin/sh
# Pins what the game does: the trace and three pictures of
# docs/play-screen.script, the trace of 20,000 passes of random play with the
# pictures of its title screen and its first game over, and every picture and sound of the game's
# Data beside GAME must have the digests in tests/trace_digests.sha256. A
# change that moves the game by one byte fails here; a deliberate change of the
# game updates the digests.
#
#   sh tests/trace_digests.sh GAME SOURCE_DIR
set -eu
game=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ln -s "$(dirname "$game")/Data" Data

"$game" --headless --frames 1580 --input "$source/docs/play-screen.script" --trace play.trace \
  --dump-frame 10 splash.bmp --dump-frame 200 title.bmp --dump-frame 1578 play.bmp
awk -v PASSES=20000 -v SEED=1 -f "$source/tests/random_script.awk" >random.script
"$game" --headless --frames 20000 --input random.script --trace random.trace \
  --dump-frame 102 random-title.bmp --dump-frame 380 random-gameover.bmp

sha256sum --strict -c "$source/tests/trace_digests.sha256"
