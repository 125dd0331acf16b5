#!/usr/bin/env bash
# Writes the seed files of the JPEG fuzz target: small pictures in every layout the decoder
# takes (and a few it refuses), encoded with Debian's cjpeg and jpegtran.
# Usage: tools/make_jpeg_seeds.sh [folder]   (default fuzz/corpus/JpegFuzzer)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-fuzz/corpus/JpegFuzzer}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import math, sys
folder = sys.argv[1]
width, height = 37, 29
rgb = bytearray()
seed = 7
for y in range(height):
    for x in range(width):
        seed = (seed * 1103515245 + 12345) & 0xFFFFFFFF
        rgb += bytes((int(128 + 120 * math.sin(x / 5.0 + y / 9.0)),
                      (seed >> 24) if (x // 8 + y // 8) % 2 else (x * 7) & 255,
                      (x * y) & 255))
header = b"P6\n%d %d\n255\n" % (width, height)
open(folder + "/colour.ppm", "wb").write(header + rgb)
open(folder + "/grey.pgm", "wb").write(b"P5\n%d %d\n255\n" % (width, height) + bytes(rgb[0::3]))
PY

for sampling in 1x1 2x1 1x2 2x2; do
    cjpeg -quality 80 -sample "$sampling" -outfile "$out/baseline_$sampling.jpg" "$work/colour.ppm"
    cjpeg -quality 80 -sample "$sampling" -progressive -outfile "$out/progressive_$sampling.jpg" \
        "$work/colour.ppm"
done
cjpeg -quality 80 -sample 2x2 -restart 1B -outfile "$out/restart_2x2.jpg" "$work/colour.ppm"
cjpeg -quality 80 -progressive -restart 1B -outfile "$out/restart_progressive.jpg" \
    "$work/colour.ppm"
cjpeg -quality 95 -optimize -outfile "$out/optimized.jpg" "$work/colour.ppm"
cjpeg -quality 80 -outfile "$out/grey.jpg" "$work/grey.pgm"
cjpeg -quality 80 -progressive -outfile "$out/grey_progressive.jpg" "$work/grey.pgm"
cjpeg -quality 80 -arithmetic -outfile "$out/arithmetic.jpg" "$work/colour.ppm"
jpegtran -copy none -progressive -outfile "$out/transcoded_progressive.jpg" \
    "$out/baseline_2x1.jpg"
