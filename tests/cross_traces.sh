#!/usr/bin/env bash
# Runs the same scripts headless in the native game and in a cross-built one,
# and checks that the traces and the pictures dumped agree byte for byte.
#
#   tests/cross_traces.sh web       node build-web/ridgeline-node.js
#   tests/cross_traces.sh windows   wine build-windows/ridgeline.exe
#
# The native game is build/ridgeline (NATIVE=... to change). The runs: every
# docs/*.script for 1580 passes with three pictures dumped, and 100,000 passes
# of a random script; more with RUNS="script:passes ...". Prints the time of
# each run and closes with "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."

target=${1:?usage: tests/cross_traces.sh web|windows}
native=${NATIVE:-build/ridgeline}
case "$target" in
  web)
    export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
    cross=(node build-web/ridgeline-node.js)
    ;;
  windows)
    source cmake/deps/apt.sh
    apt_install wine wine64
    # Headless runs need no display. The wine prefix lives in the build
    # folder, made on the first run.
    unset DISPLAY
    export WINEPREFIX=${WINEPREFIX:-$PWD/build-windows/wine} WINEDEBUG=${WINEDEBUG:--all}
    cross=(wine build-windows/ridgeline.exe)
    ;;
  *)
    echo "cross_traces.sh: unknown target '$target' (web or windows)" >&2
    exit 2
    ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Arrow keys, jumps, shots and Return at random, never a key that ends the
# game; the same text on every run.
awk -v seed=7 -v passes=100000 'BEGIN {
  srand(seed); print "seed " seed
  split("37 38 39 32 13", keys, " ")
  for (pass = 0; pass < passes; pass++) {
    if (rand() < 0.15) {
      k = keys[int(rand() * 5) + 1]; print pass " down " k
      up = pass + int(rand() * 20); pending[up] = pending[up] " " k
    }
    if (pass in pending) {
      n = split(pending[pass], ks, " ")
      for (i = 1; i <= n; i++) print pass " up " ks[i]
      delete pending[pass]
    }
  }
}' >"$work/random.script"

runs=()
for script in docs/*.script; do runs+=("$script:1580:pictures"); done
runs+=("$work/random.script:100000")
for extra in ${RUNS:-}; do runs+=("$extra"); done

passed=0
failed=0
# run NAME OUTDIR SCRIPT PASSES PICTURES PROGRAM...: one headless run.
run() {
  local name=$1 out=$2 script=$3 passes=$4 pictures=$5
  shift 5
  local args=(--headless --input "$script" --frames "$passes" --trace "$out/trace")
  [ -n "$pictures" ] && args+=(--dump-frame 10 "$out/splash.bmp" --dump-frame 200 "$out/title.bmp"
                               --dump-frame 1578 "$out/play.bmp")
  mkdir -p "$out"
  local start=$SECONDS status=0
  "$@" "${args[@]}" >"$out/log" 2>&1 || status=$?
  echo "  $name: $((SECONDS - start)) s, status $status"
  return "$status"
}

for spec in "${runs[@]}"; do
  IFS=: read -r script passes pictures <<<"$spec"
  name=$(basename "$script" .script)
  echo "$name, $passes passes:"
  run native "$work/$name/native" "$script" "$passes" "${pictures:-}" "$native" || true
  run "$target" "$work/$name/$target" "$script" "$passes" "${pictures:-}" "${cross[@]}" || true
  files=(trace)
  [ -n "${pictures:-}" ] && files+=(splash.bmp title.bmp play.bmp)
  for file in "${files[@]}"; do
    if [ ! -s "$work/$name/native/$file" ]; then
      echo "  $file: the native game wrote none"
      cat "$work/$name/native/log"
      failed=$((failed + 1))
    elif cmp -s "$work/$name/native/$file" "$work/$name/$target/$file"; then
      echo "  $file identical, sha256 $(sha256sum <"$work/$name/native/$file" | cut -c1-16)..."
      passed=$((passed + 1))
    else
      echo "  $file DIFFERS"
      cat "$work/$name/$target/log"
      failed=$((failed + 1))
    fi
  done
done

echo "$passed passed, $failed failed"
[ "$failed" = 0 ] && [ "$passed" -gt 0 ]
