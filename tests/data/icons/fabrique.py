#!/usr/bin/env python3
"""Rebuilds the icon test data, the seeds of the icon fuzz targets and the benchmark's library.

The Windows libraries are built from .rc scripts with the MinGW cross toolchain
(scripts/install-deps.sh installs it); the results are committed so that the tests do not need it.

Every entry has the same layout, so that a test can tell which entry was drawn by its colours:
with s its side, columns below s/2 - 1 are colour A and the others colour B, the rows above s/4
are transparent below column s/4 - 1, and in 32-bit entries the rows from 3s/4 down are B at
half opacity in B's columns. The odd boundaries catch bits read in the wrong order.

    make.sh (or fabrique.py)  the libraries, icon files and theme beside this script, and the
                              seeds of fuzz/corpus, one folder per target
    make.sh --bench OUT N     a library OUT of N icon groups, for the benchmark (not committed)
"""
import os
import shutil
import struct
import subprocess
import sys
import gzip
import tempfile
import zlib

# (name, [(size, depth, A, B)]): depth 0 is a PNG entry. Colours are 0xRRGGBB.
GROUPES = [
    ("1", [(32, 1, 0x102030, 0xF0E0D0)]),
    ("2", [(32, 4, 0x800000, 0x008000)]),
    ("3", [(32, 8, 0x123456, 0x654321)]),
    ("4", [(32, 24, 0xABCDEF, 0x010203)]),
    ("5", [(32, 32, 0x20A040, 0x4020A0)]),
    ("6", [(16, 32, 0x111111, 0x222222), (32, 8, 0x333333, 0x444444),
           (32, 32, 0xC00000, 0x00C000), (48, 32, 0x555555, 0x666666),
           (32, 4, 0x777777, 0x888888)]),
    ("7", [(16, 32, 0x111111, 0x222222), (64, 32, 0x333333, 0x444444),
           (48, 8, 0x0000C0, 0xC0C000)]),
    ("8", [(16, 4, 0x00FFFF, 0xFF00FF)]),
    ("9", [(16, 32, 0x111111, 0x222222), (0, 0, 0xFF8000, 0x0080FF)]),
    ("40", [(32, 16, 0xF80000, 0x0000F8)]),
    ("ZEBRE", [(32, 32, 0x0A0B0C, 0xC0B0A0)]),
    ("POMME", [(32, 32, 0x30C030, 0xC03030)]),
]


def rgb(c):
    return (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF


def pixels(size, a, b, alpha):
    """Rows from the top: lists of (r, g, b, alpha, transparent)."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if x < size // 4 - 1 and y < size // 4:
                row.append((0, 0, 0, 0, True))
            elif x < size // 2 - 1:
                row.append(rgb(a) + (255, False))
            elif alpha and y >= 3 * size // 4:
                row.append(rgb(b) + (128, False))
            else:
                row.append(rgb(b) + (255, False))
        rows.append(row)
    return rows


def png(size, a, b):
    rows = pixels(size, a, b, True)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p[:4]) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(size, depth, a, b):
    """A DIB as icons store it: header, palette, colour rows and mask rows, bottom-up."""
    rows = pixels(size, a, b, depth == 32)
    palette = []
    index = {}
    if depth <= 8:
        count = 1 << depth
        slot_a, slot_b = {1: (0, 1), 4: (3, 12), 8: (200, 17)}[depth]
        palette = [((i * 37) & 0xFF, (i * 91) & 0xFF, (i * 13) & 0xFF) for i in range(count)]
        palette[slot_a], palette[slot_b] = rgb(a), rgb(b)
        index = {rgb(a): slot_a, rgb(b): slot_b}
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, depth, 0, 0, 0, 0,
                         len(palette), 0)
    out = bytearray(header)
    for r, g, bl in palette:
        out += bytes((bl, g, r, 0))
    stride = (size * depth + 31) // 32 * 4
    for row in reversed(rows):
        line = bytearray(stride)
        bits = 0
        for x, (r, g, bl, al, clear) in enumerate(row):
            if depth == 32:
                line[4 * x:4 * x + 4] = bytes((bl, g, r, al)) if not clear else bytes(4)
            elif depth == 24:
                line[3 * x:3 * x + 3] = bytes((bl, g, r)) if not clear else bytes(3)
            elif depth == 16:
                v = 0 if clear else ((r >> 3) << 10) | ((g >> 3) << 5) | (bl >> 3)
                line[2 * x:2 * x + 2] = struct.pack("<H", v)
            else:
                v = 0 if clear else index[(r, g, bl)]
                bit = x * depth
                line[bit // 8] |= v << (8 - depth - bit % 8)
        out += line
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[4]:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def ico(entries):
    images = []
    for size, depth, a, b in entries:
        images.append((size or 256, depth, png(256, a, b) if depth == 0 else dib(size, depth, a, b)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, depth, data in images:
        colours = (1 << depth) if 0 < depth < 8 else 0
        out += struct.pack("<BBBBHHII", size & 0xFF, size & 0xFF, colours, 0, 1, depth or 32,
                           len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


def ecrire(chemin, donnees):
    with open(chemin, "wb") as f:
        f.write(donnees)


def bmp(size, a, b):
    """A BMP file of the pattern, 24 bits."""
    corps = dib(size, 24, a, b)
    corps = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, 0, 0, 0, 0, 0) + \
        corps[40:40 + (size * 24 + 31) // 32 * 4 * size]
    return b"BM" + struct.pack("<IHHI", 14 + len(corps), 0, 0, 54) + corps


def graines(dossier):
    def graine(cible, nom, donnees):
        os.makedirs(os.path.join(dossier, cible), exist_ok=True)
        ecrire(os.path.join(dossier, cible, nom), donnees)

    for depth in (1, 4, 8, 16, 24, 32):
        graine("icones_entree", f"dib{depth}", dib(8, depth, 0x123456, 0xABCDEF))
    graine("icones_entree", "png", png(16, 0x123456, 0xABCDEF))
    graine("icones_ico", "deux.ico", ico([(8, 4, 0x102030, 0x405060),
                                               (16, 32, 0x708090, 0xA0B0C0)]))
    graine("icones_ico", "png.ico", ico([(0, 0, 0x102030, 0x405060)]))
    graine("icones_image", "a.bmp", bmp(8, 0x102030, 0x405060))
    graine("icones_image", "a.png", png(8, 0x102030, 0x405060))
    graine("icones_image", "a.xpm",
           b'/* XPM */\nstatic char *a[] = {\n"4 2 2 1",\n"  c None",\n". c #FF0000",\n'
           b'" .. ",\n"....",\n};\n')
    graine("icones_image", "a.svg",
           b"<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 8 8'>"
           b"<rect width='4' height='8' fill='red'/><circle cx='6' cy='4' r='2'/></svg>")
    graine("icones_bureau", "a.desktop",
           b"[Desktop Entry]\nType=Application\nName=a\nExec=a %U\nIcon=a\\sb\n")
    graine("icones_bureau", "b.desktop",
           b"# c\n[Desktop Action x]\nIcon=x\n\n[Desktop Entry]\nIcon[fr]=y\nIcon = /z.png\n")


def bibliotheque(arch, dossier, rc, sortie):
    """A DLL with no code to speak of, holding the resources of the script rc."""
    ecrire(os.path.join(dossier, "vide.c"), b"int tressola_fonction(void) { return 0; }\n")
    subprocess.run([f"{arch}-w64-mingw32-windres", rc, "-O", "coff", "-o", "res.o"],
                   cwd=dossier, check=True)
    subprocess.run([f"{arch}-w64-mingw32-gcc", "-shared", "-nostdlib", "-s",
                    "-Wl,--no-insert-timestamp", "-Wl,-e,0", "-o", sortie, "vide.c", "res.o"],
                   cwd=dossier, check=True)


def bench(dossier, sortie, n):
    lignes = []
    for i in range(n):
        a, b = (i * 2654435761) & 0xFFFFFF, (i * 40503 + 0x808080) & 0xFFFFFF
        ecrire(os.path.join(dossier, f"g{i}.ico"),
               ico([(16, 32, a, b), (32, 8, a, b), (32, 32, a, b), (48, 32, a, b)]))
        lignes.append(f'{i + 1} ICON "g{i}.ico"\n')
    ecrire(os.path.join(dossier, "bibliotheque.rc"), "".join(lignes).encode())
    bibliotheque("x86_64", dossier, "bibliotheque.rc", os.path.abspath(sortie))


def donnees(dossier, ici):
    lignes = []
    for nom, entrees in GROUPES:
        ecrire(os.path.join(dossier, f"groupe-{nom}.ico"), ico(entrees))
        lignes.append(f'{nom} ICON "groupe-{nom}.ico"\n')
    ecrire(os.path.join(dossier, "groupes.rc"), "".join(lignes).encode())
    ecrire(os.path.join(dossier, "petite.rc"), b'1 ICON "groupe-8.ico"\n2 ICON "groupe-1.ico"\n')
    ecrire(os.path.join(dossier, "sans-icone.rc"), b'1 RCDATA { "pas une icone" }\n')
    # More groups than the icon chooser offers; small 1-bit entries keep the library small.
    lignes = []
    for n in range(57):
        a, b = (n * 2654435761) & 0xFFFFFF, (n * 40503 + 0x808080) & 0xFFFFFF
        ecrire(os.path.join(dossier, f"c{n}.ico"), ico([(32, 1, a, b)]))
        lignes.append(f'{n + 1} ICON "c{n}.ico"\n')
    ecrire(os.path.join(dossier, "cinquante-sept.rc"), "".join(lignes).encode())
    for arch, rc, nom in [("x86_64", "groupes.rc", "groupes64.dll"),
                          ("i686", "groupes.rc", "groupes32.dll"),
                          ("x86_64", "sans-icone.rc", "sans-icone.dll"),
                          ("x86_64", "cinquante-sept.rc", "cinquante-sept.dll")]:
        bibliotheque(arch, dossier, rc, os.path.join(ici, nom))
    for groupe, nom in [("6", "plusieurs-tailles"), ("9", "png256"), ("1", "monochrome")]:
        shutil.copy(os.path.join(dossier, f"groupe-{groupe}.ico"), os.path.join(ici, f"{nom}.ico"))

    corpus = os.path.join(ici, "..", "..", "..", "fuzz", "corpus")
    graines(corpus)
    pe = os.path.join(corpus, "icones_pe")
    os.makedirs(pe, exist_ok=True)
    bibliotheque("i686", dossier, "petite.rc", os.path.join(pe, "petite32.dll"))
    bibliotheque("x86_64", dossier, "petite.rc", os.path.join(pe, "petite64.dll"))
    shutil.copy(os.path.join(ici, "sans-icone.dll"), pe)

    # A drawing twice as large as the icons, left half red, right half blue; and compressed.
    svg = (b"<svg xmlns='http://www.w3.org/2000/svg' width='640' height='640'><rect width='320' "
           b"height='640' fill='red'/><rect x='320' width='320' height='640' fill='blue'/></svg>")
    ecrire(os.path.join(ici, "moitie.svg"), svg)
    ecrire(os.path.join(ici, "moitie.svgz"), gzip.compress(svg, mtime=0))

    theme = os.path.join(ici, "theme")
    shutil.rmtree(theme, ignore_errors=True)
    os.makedirs(os.path.join(theme, "tressola-essai", "32x32", "apps"))
    ecrire(os.path.join(theme, "tressola-essai", "index.theme"),
           b"[Icon Theme]\nName=tressola-essai\nDirectories=32x32/apps\n\n"
           b"[32x32/apps]\nSize=32\nType=Fixed\n")
    ecrire(os.path.join(theme, "tressola-essai", "32x32", "apps", "tressola-essai.png"),
           png(32, 0x4080C0, 0xC08040))


def main():
    ici = os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as dossier:
        if len(sys.argv) == 4 and sys.argv[1] == "--bench":
            bench(dossier, sys.argv[2], int(sys.argv[3]))
        else:
            donnees(dossier, ici)


if __name__ == "__main__":
    main()
