#!/usr/bin/env python3
"""Draws the program's pixel-art icons and writes them into resources/.

Standard library only, so the pictures can be rebuilt anywhere python3 runs.
The pictures are hand-placed pixel grids (one character per pixel, '.' is
transparent) because at 16x16 every pixel matters more than any formula.
Output is byte-for-byte deterministic: no timestamps, fixed palette order.

Usage:  python3 tools/icons/make_icons.py [--preview DIR]
        --preview writes enlarged PNGs of every picture to DIR (default
        /tmp/sorelka_icons) for looking at; they are never put in the repo.
"""
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.normpath(os.path.join(HERE, '..', '..', 'resources'))

BUTTON_FACE = (0xD4, 0xD0, 0xC8)

# --- Chat room assistant: speech balloon being written in with a pencil ----

APP_COLOURS = {
    'N': (0x1F, 0x3A, 0x7A),  # balloon outline
    'W': (0xFF, 0xFF, 0xFF),  # balloon
    'L': (0xD8, 0xE6, 0xFA),  # balloon, shaded lower part
    'g': (0x80, 0x90, 0xB0),  # lines of text
    'y': (0xFF, 0xE8, 0x80),  # pencil highlight
    'Y': (0xF8, 0xC8, 0x30),  # pencil
    'O': (0xC0, 0x88, 0x18),  # pencil shade
    'R': (0xE8, 0x78, 0x78),  # eraser
    'r': (0xB0, 0x48, 0x48),  # eraser shade
    'S': (0xC8, 0xC8, 0xC8),  # metal band
    'G': (0x80, 0x80, 0x80),  # metal band shade
    'T': (0xF0, 0xD0, 0xA0),  # sharpened wood
    't': (0xC8, 0xA0, 0x70),  # sharpened wood shade
    'D': (0x40, 0x40, 0x40),  # lead
    'K': (0x20, 0x20, 0x20),  # pencil outline
}
# Index 0 stays black: transparent pixels are written as 0 under a set mask
# bit, which is what Windows expects for correct XOR/AND blending.
APP_PALETTE = [(0, 0, 0)] + list(APP_COLOURS.values())
assert len(APP_PALETTE) == 16

APP16 = [
    "..NNNNNNNNNN....",
    ".NWWWWWWWWWWN...",
    "NWWWWWWWWWWWWN..",
    "NWWggggggggWWN..",
    "NWWWWWWWWWWWWKK.",
    "NWWggggggWWWKRRK",
    "NWWWWWWWWWWKRRrK",
    "NWLLLLLLLLKSSrK.",
    ".NLLLLLLLKySGK..",
    "..NNLLNNKyYOK...",
    "...NLN.KyYOK....",
    "...NN.KyYOK.....",
    "..N..KyYOK......",
    ".....KTtK.......",
    ".....DTK........",
    "....DD..........",
]

APP32 = [
    "................................",
    "....NNNNNNNNNNNNNNNNNNNN........",
    "..NNWWWWWWWWWWWWWWWWWWWWNN......",
    ".NWWWWWWWWWWWWWWWWWWWWWWWWN.....",
    ".NWWWWWWWWWWWWWWWWWWWWWWWWN.....",
    "NWWWWWWWWWWWWWWWWWWWWWWWWWWN....",
    "NWWWWggggggggggggggggggWWWWN....",
    "NWWWWggggggggggggggggggWWWWNKK..",
    "NWWWWWWWWWWWWWWWWWWWWWWWWWWKRKK.",
    "NWWWWWWWWWWWWWWWWWWWWWWWWWKRRRKK",
    "NWWWWgggggggggggggggWWWWWKRRRrrK",
    "NWWWWgggggggggggggggWWWWKRRRrrK.",
    "NWWWWWWWWWWWWWWWWWWWWWWKSSRrrK..",
    "NWWWWWWWWWWWWWWWWWWWWWKSSSGrK...",
    "NWWWWgggggggggggWWWWWKyYSGGK....",
    "NLLLLgggggggggggLLLLKyYYOGKN....",
    "NLLLLLLLLLLLLLLLLLLKyYYOOKLN....",
    ".NLLLLLLLLLLLLLLLLKyYYOOKLN.....",
    ".NLLLLLLLLLLLLLLLKyYYOOKLLN.....",
    "..NNLLLLLLLLLLLLKyYYOOKLNN......",
    "....NLLLNNNNNNNKyYYOOKNN........",
    "....NLLN......KyYYOOK...........",
    "....NLN......KyYYOOK............",
    "....NN......KyYYOOK.............",
    "....N......KTTTttK..............",
    "...N......KTTttK................",
    "..........KTTtK.................",
    ".........KTtK...................",
    ".........DDK....................",
    "........DD......................",
    "........D.......................",
    "................................",
]

# --- Messenger conversation: two people, green behind, blue in front -------

MESSENGER_COLOURS = {
    'a': (0xA8, 0xEC, 0x98),  # green light
    'b': (0x4C, 0xC0, 0x3C),  # green
    'c': (0x28, 0x8C, 0x24),  # green shade
    'd': (0x10, 0x50, 0x10),  # green outline
    'e': (0xA8, 0xD4, 0xFF),  # blue light
    'f': (0x40, 0x8C, 0xF0),  # blue
    'h': (0x20, 0x5C, 0xC0),  # blue shade
    'i': (0x0C, 0x2C, 0x78),  # blue outline
}

MESSENGER16 = [
    "................",
    "..dddd..........",
    ".dabbcd.........",
    ".dabbcd.........",
    ".dbbccd..iiii...",
    ".dbbccd.ieeffi..",
    "..dddd..ieeffi..",
    ".dddddd.ieffhi..",
    "dabbbbcdiffhhi..",
    "dabbbbcd.iiii...",
    "dbbbbcc.iiiiii..",
    "dbbbbcciieffffi.",
    "dbbbcciefffffhhi",
    "dbbccciffffffhhi",
    "dcccccifffffhhhi",
    "ddddddiiiiiiiiii",
]

# --- Information: speech bubble with a letter i -----------------------------

INFO_COLOURS = {
    'O': (0x24, 0x50, 0xA0),  # bubble outline
    'w': (0xFF, 0xFF, 0xFF),  # bubble, top
    'x': (0xEE, 0xF4, 0xFF),  # bubble, middle
    'l': (0xD6, 0xE4, 0xFA),  # bubble, bottom
    'B': (0x1C, 0x5A, 0xC8),  # the letter
}

INFO16 = [
    "...OOOOOOOOOO...",
    ".OOwwwwwwwwwwOO.",
    ".OwwwwwBBwwwwwO.",
    "OwwwwwwBBwwwwwwO",
    "OwwwwwwwwwwwwwwO",
    "OxxxxxBBBxxxxxxO",
    "OxxxxxxBBxxxxxxO",
    "OxxxxxxBBxxxxxxO",
    "OllllllBBllllllO",
    "OlllllBBBBlllllO",
    ".OOllllllllllOO.",
    "...OllOOOOOOO...",
    "...OlO..........",
    "..OlO...........",
    "..OO............",
    "................",
]

# --- Browser: a globe, for the web pages the chat room lives in --------------

BROWSER_COLOURS = {
    'K': (0x10, 0x38, 0x70),  # outline
    's': (0xB8, 0xDC, 0xFF),  # sea, lit
    'S': (0x48, 0x90, 0xE0),  # sea
    'D': (0x28, 0x60, 0xB8),  # sea, shade
    'g': (0x90, 0xD8, 0x70),  # land, lit
    'G': (0x38, 0xA0, 0x38),  # land
    'H': (0x20, 0x70, 0x20),  # land, shade
}

BROWSER16 = [
    ".....KKKKKK.....",
    "...KKssgggSKK...",
    "..KsssgggGSSSK..",
    ".KssgggggGSSSSK.",
    ".KsggggggGGSSSK.",
    "KssgggggGGSSSgGK",
    "KssSgggGGSSSSgGK",
    "KsSSSSgGSSSSgGGK",
    "KSSSSSSgGSSSgGHK",
    "KSSSSSSggGSSSHDK",
    "KSSSSSSgGGGSSSDK",
    ".KSSSSSSgGHSSDK.",
    ".KSSSSSSgHSSDDK.",
    "..KSSSSSSHSDDK..",
    "...KKDDDDDDKK...",
    ".....KKKKKK.....",
]


def to_pixels(grid, colours):
    """Character grid -> rows of RGB tuples, None for transparent."""
    size = len(grid)
    rows = []
    for line in grid:
        if len(line) != size:
            raise ValueError('picture is not square: %r' % line)
        rows.append([None if ch == '.' else colours[ch] for ch in line])
    return rows


def palette_for(pixels, first=()):
    """Fixed-order palette: given colours first, then colours by first use."""
    pal = list(first)
    for row in pixels:
        for p in row:
            if p is not None and p not in pal:
                pal.append(p)
    return pal


def pack_rows(rows_of_indices, bpp):
    """Bottom-up DIB rows, each padded to a 4-byte boundary."""
    out = bytearray()
    for row in reversed(rows_of_indices):
        bits = 0
        nbits = 0
        line = bytearray()
        for v in row:
            bits = (bits << bpp) | v
            nbits += bpp
            if nbits == 8:
                line.append(bits)
                bits = nbits = 0
        if nbits:
            line.append(bits << (8 - nbits))
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def icon_image(pixels, bpp, palette):
    """One icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    size = len(pixels)
    ncolours = 1 << bpp
    if len(palette) > ncolours:
        raise ValueError('%d colours do not fit in %d bpp' % (len(palette), bpp))
    pal = list(palette) + [(0, 0, 0)] * (ncolours - len(palette))
    index = {}
    for i, c in enumerate(pal):
        index.setdefault(c, i)
    xor_rows = [[0 if p is None else index[p] for p in row] for row in pixels]
    and_rows = [[1 if p is None else 0 for p in row] for row in pixels]
    xor = pack_rows(xor_rows, bpp)
    mask = pack_rows(and_rows, 1)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in pal)
    return header + colours + xor + mask


def write_ico(path, images):
    """images: list of (pixels, bpp, palette)."""
    blobs = [icon_image(p, bpp, pal) for (p, bpp, pal) in images]
    offset = 6 + 16 * len(images)
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    for (pixels, bpp, _), blob in zip(images, blobs):
        size = len(pixels)
        out += struct.pack('<BBBBHHII', size % 256, size % 256,
                           (1 << bpp) if bpp < 8 else 0, 0, 1, bpp,
                           len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, 'wb') as f:
        f.write(out)


def write_bmp8(path, pixels, background):
    """256-colour BMP with transparent pixels filled by the background."""
    flat = [[background if p is None else p for p in row] for row in pixels]
    pal = palette_for(flat, first=[background])
    if len(pal) > 256:
        raise ValueError('too many colours for 8 bpp')
    pal += [(0, 0, 0)] * (256 - len(pal))
    index = {c: i for i, c in reversed(list(enumerate(pal)))}
    bits = pack_rows([[index[p] for p in row] for row in flat], 8)
    size = len(pixels)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in pal)
    info = struct.pack('<IiiHHIIiiII', 40, size, size, 1, 8, 0, len(bits),
                       2835, 2835, 256, 0)
    offset = 14 + len(info) + len(colours)
    head = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(head + info + colours + bits)


def write_png(path, rows):
    """Plain RGB PNG, enough for looking at previews."""
    height = len(rows)
    width = len(rows[0])
    raw = b''.join(b'\0' + bytes(c for p in row for c in p) for row in rows)

    def chunk(tag, data):
        return (struct.pack('>I', len(data)) + tag + data
                + struct.pack('>I', zlib.crc32(tag + data) & 0xffffffff))
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n'
                + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw, 9))
                + chunk(b'IEND', b''))


def preview(path, pixels, scale=8):
    """Enlarged on a checkerboard (shows transparency), then actual size on
    button-face grey and on white, the backgrounds the icons will meet."""
    size = len(pixels)
    big = size * scale
    width = big + 8 + size + 8 + size
    rows = [[BUTTON_FACE] * width for _ in range(big)]
    for y in range(big):
        for x in range(big):
            p = pixels[y // scale][x // scale]
            if p is None:
                p = (0xFF, 0xFF, 0xFF) if ((x // 4) + (y // 4)) % 2 else (0xCC, 0xCC, 0xCC)
            rows[y][x] = p
    for y in range(size):
        for x in range(size):
            p = pixels[y][x]
            rows[y][big + 8 + x] = BUTTON_FACE if p is None else p
            rows[y][big + 16 + size + x] = (0xFF, 0xFF, 0xFF) if p is None else p
    write_png(path, rows)


def main(argv):
    preview_dir = '/tmp/sorelka_icons'
    if '--preview' in argv:
        i = argv.index('--preview')
        if i + 1 < len(argv):
            preview_dir = argv[i + 1]

    app16 = to_pixels(APP16, APP_COLOURS)
    app32 = to_pixels(APP32, APP_COLOURS)
    messenger = to_pixels(MESSENGER16, MESSENGER_COLOURS)
    info = to_pixels(INFO16, INFO_COLOURS)
    browser = to_pixels(BROWSER16, BROWSER_COLOURS)

    write_ico(os.path.join(RES, 'app.ico'),
              [(app16, 4, APP_PALETTE), (app32, 4, APP_PALETTE)])
    # The chat status icon is the program's own 16x16 picture.
    write_ico(os.path.join(RES, 'chat.ico'), [(app16, 4, APP_PALETTE)])
    write_ico(os.path.join(RES, 'messenger.ico'),
              [(messenger, 8, palette_for(messenger, first=[(0, 0, 0)]))])
    write_ico(os.path.join(RES, 'info.ico'),
              [(info, 8, palette_for(info, first=[(0, 0, 0)]))])
    write_ico(os.path.join(RES, 'browser.ico'),
              [(browser, 8, palette_for(browser, first=[(0, 0, 0)]))])
    write_bmp8(os.path.join(RES, 'corner.bmp'), app32, BUTTON_FACE)

    if '--preview' in argv:
        os.makedirs(preview_dir, exist_ok=True)
        for name, pixels in (('app16', app16), ('app32', app32),
                             ('messenger', messenger), ('info', info),
                             ('browser', browser)):
            preview(os.path.join(preview_dir, name + '.png'), pixels)
        print('previews in', preview_dir)


if __name__ == '__main__':
    main(sys.argv[1:])
