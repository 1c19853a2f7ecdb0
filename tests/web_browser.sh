#!/usr/bin/env bash
# The game's page in a real browser: Debian's Chromium, headless, driven by
# tests/web_browser.mjs through puppeteer-core. Run after `make web` and a
# native build in build/ (NATIVE=... to change), which makes the pictures and
# the trace that the page must match. Installs Chromium, node and npm where
# missing, and puppeteer-core once into build-web/test-node_modules.
set -euo pipefail
cd "$(dirname "$0")/.."

native=${NATIVE:-build/ridgeline}
script=docs/play-screen.script
passes=1580

source cmake/deps/apt.sh
apt_install chromium
# Debian's node and npm, unless another node is installed already.
command -v node >/dev/null || apt_install nodejs
command -v npm >/dev/null || apt_install npm
modules=build-web/test-node_modules
if [ ! -d "$modules/node_modules/puppeteer-core" ]; then
  mkdir -p "$modules"
  # The browser is Debian's: puppeteer's own download is not wanted.
  PUPPETEER_SKIP_DOWNLOAD=1 npm install --prefix "$modules" --no-audit --no-fund \
    --loglevel=error puppeteer-core@24.43.1
fi

reference=$(mktemp -d)
trap 'rm -rf "$reference"' EXIT
"$native" --headless --frames 201 --dump-frame 10 "$reference/splash.bmp" \
  --dump-frame 200 "$reference/title.bmp"
"$native" --headless --input "$script" --frames "$passes" --trace "$reference/script.trace"

node tests/web_browser.mjs build-web "$reference" "$script" "$passes"

# A game kept in the browser verifies on the desktop and in the WebAssembly
# build under Node; so does one kept on the desktop.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
for replay in "$reference/browser.script" docs/best-game.script; do
  "$native" --verify "$replay"
  node build-web/ridgeline-node.js --verify "$replay"
done

# The game under Node refuses a FIFO, as the native game does, rather than
# wait for a writer; and finds the best games where HOME and XDG_DATA_HOME say.
mkfifo "$reference/fifo.script"
for option in --verify --input; do
  if timeout 30 node build-web/ridgeline-node.js --headless "$option" "$reference/fifo.script" \
    2>"$reference/fifo.err"; then
    echo "FAILED: Node's $option took a FIFO" && exit 1
  fi
  grep -q "a FIFO, not a regular file" "$reference/fifo.err" ||
    { echo "FAILED: Node's $option on a FIFO: $(cat "$reference/fifo.err")" && exit 1; }
done
mkdir -p "$reference/home/.local/share/ridgeline/best" "$reference/data/ridgeline/best"
cp docs/best-game.script "$reference/home/.local/share/ridgeline/best/home.script"
cp docs/best-game.script "$reference/data/ridgeline/best/data.script"
HOME="$reference/home" XDG_DATA_HOME= node build-web/ridgeline-node.js --scores | grep -q home.script ||
  { echo "FAILED: Node's --scores ignores HOME" && exit 1; }
# The desktop checks the folder's games once; Node then ranks them.
XDG_DATA_HOME="$reference/data" "$native" --scores >/dev/null
HOME="$reference/home" XDG_DATA_HOME="$reference/data" node build-web/ridgeline-node.js --verify 1 |
  grep -q "verified: 200" || { echo "FAILED: Node's --verify 1 ignores XDG_DATA_HOME" && exit 1; }
echo "the game under Node: FIFOs refused, HOME and XDG_DATA_HOME followed"
