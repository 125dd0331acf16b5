#!/usr/bin/python3
"""Writes small seed images for the image reader fuzzers into fuzz/corpus/.

Every format and variant the readers handle, kept tiny (16 x 16 or less) so the fuzzers
mutate headers and code streams rather than pixel bulk. Needs Debian's python3-pil, hence
the system interpreter, and ImageMagick's convert for the BMP kinds PIL does not write.
"""
import io
import os
import struct
import subprocess
import sys
import tempfile
import zlib

from PIL import Image

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus")


def picture(size=(8, 8), mode="RGB"):
    image = Image.new("RGB", size)
    for y in range(size[1]):
        for x in range(size[0]):
            image.putpixel((x, y), (x * 32 % 256, y * 32 % 256, (x ^ y) * 16 % 256))
    if mode == "RGBA":
        image = image.convert("RGBA")
        image.putalpha(Image.linear_gradient("L").resize(size))
    elif mode != "RGB":
        image = image.convert(mode)
    return image


def encode(image, fmt, **options):
    out = io.BytesIO()
    image.save(out, fmt, **options)
    return out.getvalue()


def tga_rle_by_hand():
    # A run packet (0x83) and a raw packet (0x03) of 24-bit pixels, with a 5-byte identifier.
    header = struct.pack("<BBBHHBHHHHBB", 5, 0, 10, 0, 0, 0, 0, 0, 8, 1, 24, 0)
    return header + b"hello" + b"\x83\x10\x20\x30" + b"\x03" + bytes(range(12))


def tga_colour_map_by_hand():
    header = struct.pack("<BBBHHBHHHHBB", 0, 1, 1, 0, 4, 16, 0, 0, 4, 2, 8, 0)
    return header + struct.pack("<4H", 0x7C00, 0x03E0, 0x001F, 0x8000) + bytes([0, 1, 2, 3] * 2)


def png_rgb16_by_hand(width=4, height=4):
    # PIL writes no 16-bit colour PNG, so the chunks are made here.
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    rows = b"".join(b"\0" + b"".join(struct.pack(">3H", x * 9000, y * 9000, 65535)
                                      for x in range(width)) for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 16, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows))
            + chunk(b"IEND", b""))


def magick(image, *options):
    # ImageMagick writes the palette, RLE8, OS/2 and bit-field BMPs and deep grey PNGs.
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "source.png")
        image.save(source)
        # Without the time chunks a second run writes the same bytes.
        return subprocess.run(["convert", source, "-define", "png:exclude-chunk=date,time",
                               *options[:-1], options[-1] + ":-"],
                              check=True, stdout=subprocess.PIPE).stdout


def bmp_by_hand(width, height, bits, compression, palette, pixels, info_size=40):
    # Kinds no tool here writes: RLE4, top-down rows, the 64-byte OS/2 2.x header.
    offset = 14 + info_size + len(palette)
    info = struct.pack("<IiiHHII", info_size, width, height, 1, bits, compression, len(pixels))
    info = info.ljust(info_size, b"\0")
    return (b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + palette
            + pixels)


def gif_without_clear_code():
    # 4 x 1; the codes 2, 1, 6 (= "2 1") and the end code, with no clear code first.
    return (b"GIF89a\x04\x00\x01\x00\x80\x00\x00" + bytes(range(12)) +
            b"\x2c\x00\x00\x00\x00\x04\x00\x01\x00\x00\x02\x02\x8a\x0b\x00\x3b")


def seeds():
    rgb, rgba = picture(), picture(mode="RGBA")
    yield "TgaFuzzer", "raw24.tga", encode(rgb, "TGA")
    yield "TgaFuzzer", "rle32.tga", encode(rgba, "TGA", compression="tga_rle")
    yield "TgaFuzzer", "grey.tga", encode(picture(mode="L"), "TGA")
    yield "TgaFuzzer", "palette_rle.tga", encode(picture(mode="P"), "TGA", compression="tga_rle")
    yield "TgaFuzzer", "packets.tga", tga_rle_by_hand()
    yield "TgaFuzzer", "map16.tga", tga_colour_map_by_hand()
    yield "BmpFuzzer", "rgb24.bmp", encode(rgb, "BMP")
    yield "BmpFuzzer", "odd24.bmp", encode(picture((5, 3)), "BMP")
    yield "BmpFuzzer", "rgba32.bmp", encode(rgba, "BMP")
    small = picture((7, 5))
    yield "BmpFuzzer", "p1.bmp", magick(small, "-colors", "2", "-type", "palette", "BMP3")
    yield "BmpFuzzer", "p4.bmp", magick(small, "-colors", "12", "BMP3")
    yield "BmpFuzzer", "p8.bmp", magick(picture((16, 16)), "-colors", "40", "-type", "palette",
                                        "-compress", "None", "BMP3")
    yield "BmpFuzzer", "rle8.bmp", magick(picture((16, 16)), "-colors", "40", "-type", "palette",
                                          "-compress", "RLE", "BMP3")
    yield "BmpFuzzer", "os2.bmp", magick(small, "BMP2")
    yield "BmpFuzzer", "os2_palette.bmp", magick(small, "-colors", "12", "BMP2")
    yield "BmpFuzzer", "rgb555.bmp", magick(small, "-define", "bmp:subtype=RGB555", "BMP")
    yield "BmpFuzzer", "rgb565.bmp", magick(small, "-define", "bmp:subtype=RGB565", "BMP")
    yield "BmpFuzzer", "argb4444.bmp", magick(picture((7, 5), "RGBA"), "-define",
                                              "bmp:subtype=ARGB4444", "BMP")
    yield "BmpFuzzer", "bgra32_v5.bmp", magick(picture((7, 5), "RGBA"), "BMP")
    palette16 = bytes(b for i in range(16) for b in (i * 16, 255 - i * 9, 40, 0))
    yield "BmpFuzzer", "rle4.bmp", bmp_by_hand(5, 3, 4, 2, palette16, bytes(
        [0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 5, 0x23, 0, 2, 1, 1, 3, 0x45, 0, 1]))
    yield "BmpFuzzer", "topdown8.bmp", bmp_by_hand(3, -2, 8, 0, palette16, bytes(
        [1, 2, 3, 0, 4, 5, 6, 0]))
    yield "BmpFuzzer", "os2v2_4.bmp", bmp_by_hand(3, 2, 4, 0, palette16, bytes(
        [0x12, 0x30, 0, 0, 0x45, 0x60, 0, 0]), info_size=64)
    yield "PngFuzzer", "rgb.png", encode(rgb, "PNG")
    yield "PngFuzzer", "rgba_interlaced.png", encode(rgba, "PNG", interlace=1)
    yield "PngFuzzer", "palette_trns.png", encode(picture(mode="P"), "PNG", transparency=0)
    yield "PngFuzzer", "rgb16.png", png_rgb16_by_hand()
    yield "PngFuzzer", "grey.png", encode(picture(mode="L"), "PNG")
    for depth in (1, 2, 4, 16):
        yield "PngFuzzer", f"grey{depth}.png", magick(
            rgb, "-colorspace", "gray", "-depth", str(depth), "-define", "png:color-type=0", "PNG")
    for depth in (8, 16):
        yield "PngFuzzer", f"grey_alpha{depth}.png", magick(
            rgba, "-colorspace", "gray", "-depth", str(depth), "-define", "png:color-type=4",
            "PNG")
    yield "PngFuzzer", "grey_trns.png", encode(picture(mode="L"), "PNG", transparency=0)
    yield "GifFuzzer", "still.gif", encode(picture((16, 16), "P"), "GIF")
    frames = [picture((8, 8), "P"), picture((8, 8), "P").rotate(90)]
    yield "GifFuzzer", "animated.gif", encode(frames[0], "GIF", save_all=True,
                                              append_images=frames[1:], transparency=3,
                                              comment=b"seed\x00comment", duration=40)
    yield "GifFuzzer", "interlaced.gif", encode(picture((16, 16), "P"), "GIF", interlace=1)
    yield "GifFuzzer", "no_clear_code.gif", gif_without_clear_code()


def main():
    written = []
    for folder, name, data in seeds():
        for target in (folder, "ReadImageFuzzer"):
            os.makedirs(os.path.join(ROOT, target), exist_ok=True)
            with open(os.path.join(ROOT, target, name), "wb") as out:
                out.write(data)
        written.append((name, len(data)))
    for name, length in written:
        print(f"{name}: {length} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
