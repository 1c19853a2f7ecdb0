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
for replay in "$reference/browser.script" docs/best-game.script; do
  "$native" --verify "$replay"
  NODE_PATH=${NODE_PATH:-/usr/share/nodejs} node build-web/ridgeline-node.js --verify "$replay"
done
