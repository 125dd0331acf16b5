#!/usr/bin/python3
"""Generates the bundled demo's textures and music into data/, and copies in its font.

Deterministic: the same Debian packages give byte-identical files, so the committed
assets can be checked with `tools/make_assets.py --check`. Needs python3-pil,
libjpeg-turbo-progs (cjpeg, jpegtran) and sox, all installed by scripts/setup. Uses
Debian's own Python on purpose: PIL comes from the python3-pil package.

Textures cover every format and variant the player reads: TGA uncompressed and
run-length (24 and 32 bits), BMP 24-bit, PNG RGB and RGBA, JPEG baseline and its progressive twin
(same pixels), and a GIF. Sizes are powers of two, as textures need.

The font is DejaVu Sans from Debian's fonts-dejavu-core (also installed by scripts/setup),
copied with its licence as it is.
"""

import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEXTURES = os.path.join(ROOT, "data", "textures")
MUSIC = os.path.join(ROOT, "data", "music")
FONTS = os.path.join(ROOT, "data", "fonts")
DEJAVU_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
DEJAVU_LICENCE = "/usr/share/doc/fonts-dejavu-core/copyright"


def clamp(value):
    return max(0, min(255, int(value)))


def mix(a, b, t):
    return tuple(clamp(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))


def logo(size):
    """A ring with a bold V on a dark blue-to-violet gradient: the demo's emblem."""
    image = Image.new("RGB", (size, size))
    pixels = image.load()
    centre = (size - 1) / 2.0
    for y in range(size):
        for x in range(size):
            dx, dy = (x - centre) / centre, (y - centre) / centre
            radius = math.hypot(dx, dy)
            colour = mix((10, 14, 60), (70, 10, 90), y / (size - 1))
            if 0.78 < radius < 0.92:
                glow = 1.0 - abs(radius - 0.85) / 0.07
                colour = mix(colour, (255, 190, 40), glow)
            # The V: two slanted strokes meeting at the bottom.
            if -0.6 < dy < 0.6:
                arm = abs(dx) - (0.6 - dy) * 0.45
                if -0.1 < arm < 0.1:
                    colour = mix((255, 250, 235), (250, 120, 30), (dy + 0.6) / 1.2)
            pixels[x, y] = colour
    return image


def checker(size, cells):
    """Orange and teal squares with a soft shading across the board."""
    image = Image.new("RGB", (size, size))
    pixels = image.load()
    cell = size // cells
    for y in range(size):
        for x in range(size):
            light = 0.7 + 0.3 * (x + y) / (2 * size - 2)
            base = (240, 140, 30) if (x // cell + y // cell) % 2 == 0 else (20, 150, 160)
            pixels[x, y] = tuple(clamp(c * light) for c in base)
    return image


def starfield(size, count, seed):
    """White and tinted stars of a few brightnesses on black: long runs for RLE."""
    image = Image.new("RGB", (size, size))
    pixels = image.load()
    rng = random.Random(seed)
    tints = [(255, 255, 255), (180, 200, 255), (255, 230, 180)]
    for _ in range(count):
        x, y = rng.randrange(size), rng.randrange(size)
        brightness = rng.choice([0.35, 0.6, 1.0])
        tint = rng.choice(tints)
        pixels[x, y] = tuple(clamp(c * brightness) for c in tint)
        if brightness == 1.0 and 0 < x < size - 1 and 0 < y < size - 1:
            for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                pixels[nx, ny] = tuple(clamp(c * 0.4) for c in tint)
    return image


def plasma(size):
    """Sum of sines: the classic plasma, in warm colours."""
    image = Image.new("RGB", (size, size))
    pixels = image.load()
    for y in range(size):
        for x in range(size):
            u, v = x / size * 2 * math.pi, y / size * 2 * math.pi
            value = (math.sin(u * 2) + math.sin(v * 3) + math.sin((u + v) * 1.5)
                     + math.sin(math.hypot(u - math.pi, v - math.pi) * 2)) / 4
            pixels[x, y] = (clamp(128 + 127 * math.sin(value * math.pi)),
                            clamp(128 + 127 * math.sin(value * math.pi + 2.1)),
                            clamp(128 + 127 * math.sin(value * math.pi + 4.2)))
    return image


def glow(size):
    """A soft white-blue disc whose alpha falls off to 0 at the edge."""
    image = Image.new("RGBA", (size, size))
    pixels = image.load()
    centre = (size - 1) / 2.0
    for y in range(size):
        for x in range(size):
            radius = math.hypot(x - centre, y - centre) / centre
            alpha = max(0.0, 1.0 - radius) ** 2
            pixels[x, y] = (clamp(200 + 55 * alpha), clamp(220 + 35 * alpha), 255,
                            clamp(255 * alpha))
    return image


def sunset(size):
    """Sky gradient, a sun, and a silhouette of hills: smooth areas and hard edges."""
    image = Image.new("RGB", (size, size))
    pixels = image.load()
    for y in range(size):
        for x in range(size):
            t = y / (size - 1)
            colour = mix((30, 20, 90), (250, 120, 60), t) if t < 0.7 else \
                mix((250, 120, 60), (255, 210, 120), (t - 0.7) / 0.3)
            sun = math.hypot(x - size * 0.5, y - size * 0.62) / (size * 0.14)
            if sun < 1.0:
                colour = mix((255, 240, 180), colour, sun ** 4)
            hill = size * (0.72 + 0.06 * math.sin(x / size * 9) + 0.03 * math.sin(x / size * 23))
            if y > hill:
                colour = (25, 12, 35)
            pixels[x, y] = colour
    return image


def bars(size):
    """Rainbow bars with a palette of 16 colours."""
    image = Image.new("P", (size, size))
    palette = []
    for i in range(16):
        hue = i / 16 * 2 * math.pi
        palette += [clamp(128 + 127 * math.cos(hue)), clamp(128 + 127 * math.cos(hue - 2.1)),
                    clamp(128 + 127 * math.cos(hue - 4.2))]
    image.putpalette(palette + [0] * (768 - len(palette)))
    pixels = image.load()
    for y in range(size):
        for x in range(size):
            pixels[x, y] = (y * 16 // size + x // (size // 4)) % 16
    return image


def tga_bytes(image, run_length):
    """A true-colour TGA with the usual bottom-left origin (type 2, or 10 with RLE).

    Written by hand rather than by PIL so the origin and the packet layout are exactly
    what the file says: rows bottom first, bytes blue first.
    """
    width, height = image.size
    channels = len(image.getbands())
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 10 if run_length else 2, 0, 0, 0, 0, 0,
                         width, height, channels * 8, 8 if channels == 4 else 0)
    pixels = []
    source = image.tobytes()
    for y in range(height - 1, -1, -1):
        row = source[y * width * channels:(y + 1) * width * channels]
        for x in range(width):
            pixel = row[x * channels:(x + 1) * channels]
            pixels.append(bytes((pixel[2], pixel[1], pixel[0])) + pixel[3:])
    if not run_length:
        return header + b"".join(pixels)
    # Packets stay within a row, as the format's second edition asks of writers.
    body = bytearray()
    for row_start in range(0, len(pixels), width):
        body += rle_row(pixels[row_start:row_start + width])
    return header + bytes(body)


def rle_row(pixels):
    """Run-length packets of one row: repeats of 2 to 128 pixels, literals of up to 128."""
    body = bytearray()
    i = 0
    while i < len(pixels):
        run = 1
        while i + run < len(pixels) and run < 128 and pixels[i + run] == pixels[i]:
            run += 1
        if run > 1:
            body.append(0x80 | (run - 1))
            body += pixels[i]
            i += run
            continue
        literal = 1
        while (i + literal < len(pixels) and literal < 128
               and pixels[i + literal] != pixels[i + literal - 1]):
            literal += 1
        body.append(literal - 1)
        body += b"".join(pixels[i:i + literal])
        i += literal
    return body


def write_jpegs(image, baseline_path, progressive_path, workdir):
    """Baseline with Debian's cjpeg; the progressive twin losslessly with jpegtran."""
    ppm = os.path.join(workdir, "source.ppm")
    image.save(ppm)
    subprocess.run(["cjpeg", "-quality", "85", "-optimize", "-outfile", baseline_path, ppm],
                   check=True)
    subprocess.run(["jpegtran", "-progressive", "-copy", "none", "-outfile",
                    progressive_path, baseline_path], check=True)


def write_textures(target, workdir):
    os.makedirs(target, exist_ok=True)
    with open(os.path.join(target, "logo.tga"), "wb") as out:
        out.write(tga_bytes(logo(256), run_length=False))
    with open(os.path.join(target, "stars.tga"), "wb") as out:
        out.write(tga_bytes(starfield(512, 900, seed=1987), run_length=True))
    with open(os.path.join(target, "flare.tga"), "wb") as out:
        out.write(tga_bytes(glow(128), run_length=True))
    checker(256, 8).save(os.path.join(target, "checker.bmp"))
    plasma(256).save(os.path.join(target, "plasma.png"), optimize=True)
    glow(128).save(os.path.join(target, "glow.png"), optimize=True)
    write_jpegs(sunset(512), os.path.join(target, "sunset.jpg"),
                os.path.join(target, "sunset-progressive.jpg"), workdir)
    bars(128).save(os.path.join(target, "bars.gif"))


# Music: 15 bars of 4/4 at 120 beats per minute, two seconds a bar: 30 seconds.
CHORDS = [("A3", "C4", "E4", "A2"), ("F3", "A3", "C4", "F2"),
          ("C3", "E3", "G3", "C2"), ("G3", "B3", "D4", "G2")]
BAR_SECONDS = 2
BARS = 15


def sox(*arguments):
    # -R: fixed random seeds (pluck and noise), so the output is the same every run.
    subprocess.run(["sox", "-R", *arguments], check=True)


def write_music(target, workdir):
    os.makedirs(target, exist_ok=True)
    part = lambda name: os.path.join(workdir, name)
    bar_files = []
    for index, (low, mid, high, bass) in enumerate(CHORDS):
        voices = part("voices%d.wav" % index)
        sox("-n", "-r", "44100", "-c", "4", voices, "synth", str(BAR_SECONDS),
            "pluck", low, "pluck", mid, "pluck", high, "triangle", bass)
        name = part("bar%d.wav" % index)
        sox(voices, "-c", "1", name, "remix", "1v0.25,2v0.25,3v0.25,4v0.15",
            "fade", "0", str(BAR_SECONDS), "0.05")
        bar_files.append(name)
    sequence = [bar_files[i % len(bar_files)] for i in range(BARS)]
    sox(*sequence, part("chords.wav"))

    # One beat of half a second: a falling sine for the kick, noise for the off-beat hat.
    sox("-n", "-r", "44100", "-c", "1", part("kick.wav"), "synth", "0.25", "sine",
        "120-40", "gain", "-3", "fade", "0", "0.25", "0.2", "pad", "0", "0.25")
    sox("-n", "-r", "44100", "-c", "1", part("hat.wav"), "synth", "0.05", "whitenoise",
        "gain", "-12", "highpass", "6000", "fade", "0", "0.05", "0.04", "pad", "0.25", "0.2")
    sox("-m", part("kick.wav"), part("hat.wav"), part("beat.wav"))
    beats = BARS * BAR_SECONDS * 2
    sox(part("beat.wav"), part("drums.wav"), "repeat", str(beats - 1))

    sox("-m", part("chords.wav"), part("drums.wav"), "-C", "2",
        os.path.join(target, "theme.ogg"), "gain", "-n", "-1", "fade", "0.5",
        str(BARS * BAR_SECONDS), "2")


def write_fonts(target):
    os.makedirs(target, exist_ok=True)
    shutil.copyfile(DEJAVU_FONT, os.path.join(target, "DejaVuSans.ttf"))
    shutil.copyfile(DEJAVU_LICENCE, os.path.join(target, "DejaVuSans-copyright.txt"))


def main():
    check = "--check" in sys.argv[1:]
    workdir = tempfile.mkdtemp(prefix="vornex-assets-")
    try:
        textures = os.path.join(workdir, "textures") if check else TEXTURES
        music = os.path.join(workdir, "music") if check else MUSIC
        fonts = os.path.join(workdir, "fonts") if check else FONTS
        write_textures(textures, workdir)
        write_music(music, workdir)
        write_fonts(fonts)
        if not check:
            return 0
        different = []
        for made, committed in ((textures, TEXTURES), (music, MUSIC), (fonts, FONTS)):
            for name in sorted(os.listdir(made)):
                with open(os.path.join(made, name), "rb") as a:
                    mine = a.read()
                path = os.path.join(committed, name)
                theirs = open(path, "rb").read() if os.path.exists(path) else None
                if mine != theirs:
                    different.append(name)
        for name in different:
            print("differs from the committed file: %s" % name)
        return 1 if different else 0
    finally:
        shutil.rmtree(workdir)


if __name__ == "__main__":
    sys.exit(main())
