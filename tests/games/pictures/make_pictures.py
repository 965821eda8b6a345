#!/usr/bin/env python3
"""Writes the damaged and hostile pictures of the pictures test game into
resource/gfx/ (the outputs are committed; run again only to change them).
Every file is tiny; what each claims is what the player must not believe."""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
GFX = HERE / "resource" / "gfx"
FIXTURE = HERE.parent.parent / "fixtures" / "pictures" / "disposal.gif"  # 4 frames, ends in 0x3B


def gif_bomb(width, height, frames):
    """A GIF whose every frame covers the whole screen with no pixel data."""
    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0) + b"\x00\x00\x00\xff\xff\xff"
    for _ in range(frames):
        # clear (4) and end (5) as 3-bit codes: one data byte
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x02\x01\x2c\x00"
    return out + b"\x3b"


def bmp_claiming(width, height, total):
    pixels_at = 54
    header = b"BM" + struct.pack("<IHHI", total, 0, 0, pixels_at)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, 0, 2835, 2835, 0, 0)
    body = header + info
    return body + bytes(total - len(body))


def main():
    whole = FIXTURE.read_bytes()
    (GFX / "notrailer.gif").write_bytes(whole[:-1])
    # The last frame's data starts at 0xA7: cut inside it.
    (GFX / "cutlast.gif").write_bytes(whole[:0xA9])
    # Header, colour table and the start of the first frame only.
    (GFX / "noframe.gif").write_bytes(whole[:0x34])
    (GFX / "huge.bmp").write_bytes(bmp_claiming(100663296, 8, 252))
    (GFX / "bomb.gif").write_bytes(gif_bomb(4096, 4096, 4))
    (GFX / "svg.bmp").write_bytes(
        b'<svg xmlns="http://www.w3.org/2000/svg" width="20000" height="20000">'
        b'<rect width="1" height="1"/></svg>\n')
    (GFX / "pnm.jpg").write_bytes(b"P6\n20000 20000\n255\n" + bytes(64))


if __name__ == "__main__":
    main()
