#!/usr/bin/env bash
# The sound levels of a minute of play: the game plays 3600 passes of a
# script (start, fire every 8 passes, jump every 40, start again after each
# game over) in a window on SDL's display without a screen, its sound going
# to a file through SDL's disk audio driver. Prints the peak and RMS level of
# that sound, the count of clipped samples (at full scale) and the
# explosions the trace counts.
#
#   bench/sound_levels.sh BUILD_DIR [game options...]
#   bench/sound_levels.sh build --volume 100
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR [game options...]}" && pwd)
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN {
  print "seed 7"
  for (p = 0; p < 3600; ++p) {
    if (p % 60 == 5) { print p " down 13"; print p " up 13" }
    if (p % 8 == 0) { print p " down 32"; print p " up 32" }
    if (p % 40 == 20) { print p " down 38"; print p " up 38" }
  }
}' > "$work/play.script"

SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/sound.raw" \
  "$build/ridgeline" --input "$work/play.script" --frames 3600 --trace "$work/play.trace" "$@" \
  2> "$work/errors" || { cat "$work/errors" >&2; exit 1; }

# 16-bit stereo samples at 48 kHz, in the machine's byte order.
od -An -v -td2 -w2 "$work/sound.raw" | awk '
  { s = $1 + 0; a = s < 0 ? -s : s; if (a > peak) peak = a; sum += s * s; n++
    if (s >= 32767 || s <= -32768) clipped++ }
  END {
    printf "%.1f s of sound: peak %d (%.2f dBFS), RMS %.0f (%.2f dBFS), clipped samples %d\n",
      n / 96000, peak, 20 * log(peak / 32768) / log(10), sqrt(sum / n),
      20 * log(sqrt(sum / n) / 32768) / log(10), clipped + 0
  }'
echo "explosions sounded: $(grep -o '"explosionSounds":[0-9]*' "$work/play.trace" |
  awk -F: '{ n += $2 } END { print n + 0 }')"
