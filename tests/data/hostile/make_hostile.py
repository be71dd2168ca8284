#!/usr/bin/env python3
"""Writes the hostile templates: small ones are committed beside this script,
big ones (bombs, thousands of entries) are written into a scratch folder at
test time. Usage: make_hostile.py OUT_DIR [--big]"""
import base64
import os
import struct
import sys
import zipfile
import zlib

HEAD = ('<?xml version="1.0" encoding="utf-8" standalone="yes" ?>\n<Window>\n'
        '<Form width="464" height="580" printpadding="5,10,5,10" dpi="203.2,406.4" model="58">\n')
TAIL = '</Form>\n</Window>\n'


def template(path, body, extra=()):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in extra:
            archive.writestr(name, data)
        archive.writestr("skin.xml", HEAD + body + TAIL)


def png_header(width, height):
    """A PNG whose header claims the size; the pixel data is a stub."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(b"\0" * 64)) + \
        chunk(b"IEND", b"")


def bmp_header(width, height):
    return b"BM" + struct.pack("<IHHI", 54, 0, 0, 54) + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24,
                                                                   0, 0, 0, 0, 0, 0)


def shared_data_archive(path, entries, size):
    """Many central records naming one deflated block: a few kilobytes that
    claim entries x size bytes."""
    packed = zlib.compressobj(9, zlib.DEFLATED, -15)
    data = packed.compress(b"\0" * size) + packed.flush()
    crc = zlib.crc32(b"\0" * size)
    local = struct.pack("<IHHHHHIIIHH", 0x04034b50, 20, 0, 8, 0, 0, crc, len(data), size, 5, 0) + b"a.png" + data
    central = b""
    for i in range(entries):
        name = b"skin.xml" if i == entries - 1 else b"p%05d.png" % i
        central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014b50, 20, 20, 0, 8, 0, 0, crc, len(data), size,
                               len(name), 0, 0, 0, 0, 0, 0) + name
    end = struct.pack("<IHHHHIIH", 0x06054b50, 0, 0, entries, entries, len(central), len(local), 0)
    with open(path, "wb") as out:
        out.write(local + central + end)


def small(out):
    with open(os.path.join(out, "not_a_zip.vt"), "wb") as f:
        f.write(b"<Window><Form/></Window>\n")
    template(os.path.join(out, "negative_and_huge_rects.vt"),
             '<TextEdit text="Far" float="true" pos="-2147483648,-2147483648,2147483647,2147483647" '
             'width="2147483647" height="-2147483648" />\n'
             '<Rectangle float="true" pos="2147483600,2147483600,2147483647,2147483647" width="99999999" '
             'height="99999999" />\n'
             '<Line float="true" pos="-2147483648,0,2147483647,10" />\n'
             '<QueuingNum float="true" pos="0,0,0,0" width="-5" height="-5" num_length="-2147483648" />\n')
    with zipfile.ZipFile(os.path.join(out, "huge_form.vt"), "w") as archive:
        archive.writestr("skin.xml", '<Window><Form width="2147483647" height="2147483647" '
                         'printpadding="-2147483648,-2147483648,2147483647,2147483647" '
                         'dpi="1e308,-1e308" model="80"><TextEdit text="x" /></Form></Window>')
    template(os.path.join(out, "long_font_names.vt"),
             '<TextEdit text="Face" font="name=\'%s\' height=\'-2147483648\' charset=\'99999\'" />\n'
             % ("F" * 5000) + '<Time font="name=\'\U0001F600%s\' height=\'2147483647\'" />\n' % ("\U0001F600" * 40),
             )
    with zipfile.ZipFile(os.path.join(out, "font_table_names.vt"), "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("skin.xml", '<Window><Font name="%s" size="2147483647" default="true" />'
                         '<Font name="" size="-2147483648" /><Form model="58"><TextEdit text="a" font="0" />'
                         '</Form></Window>' % ("N" * 100000))
    template(os.path.join(out, "huge_image_dimensions.vt"),
             '<Picture float="true" pos="0,0,0,0" width="100" height="100" bkimage="wide.png" />\n'
             '<Picture float="true" pos="0,100,0,0" width="100" height="100" '
             'bkimage="file=\'tall.bmp\' source=\'0,0,2147483647,2147483647\' corner=\'-9,-9,99999,99999\'" />\n',
             extra=(("wide.png", png_header(1 << 30, 1 << 30)), ("tall.bmp", bmp_header(60000, -60000))))
    # The size fields lie: the directory claims less than the data unpacks to.
    path = os.path.join(out, "lying_sizes.vt")
    template(path, '<TextEdit text="lies" />\n')
    data = bytearray(open(path, "rb").read())
    central = data.rfind(b"PK\x01\x02")
    struct.pack_into("<I", data, central + 24, 10)
    with open(path, "wb") as f:
        f.write(bytes(data))
    with open(os.path.join(out, "truncated.vt"), "wb") as f:
        f.write(data[: len(data) // 2])
    shared_data_archive(os.path.join(out, "shared_entries.vt"), 40, 1 << 20)
    # A Huffman table of more than 256 codes, found by the image fuzzer.
    template(os.path.join(out, "jpeg_huffman_overflow.vt"),
             '<Picture float="true" pos="0,0,0,0" width="100" height="100" bkimage="bad.jpg" />\n',
             extra=(("bad.jpg", base64.b64decode("/9j////E//8AAAAAkwB/////AAAAAAAAAAAAAAAAAAAA//9CTf8a2A==")),))
    # A PNM header whose width overflows while it is read, found by the image fuzzer.
    template(os.path.join(out, "pnm_header_overflow.vt"),
             '<Picture float="true" pos="0,0,0,0" width="100" height="100" bkimage="logo.png" />\n',
             extra=(("logo.png", b"P" + b"6" * 60 + b"\x89"),))
    # Picture data claiming a gigabyte in a 100-byte PNG, and an entry whose
    # directory record claims 60 MiB for a few deflated bytes: found while
    # profiling the fuzzers, both made the readers reserve what was claimed.
    lying_png = bytearray(png_header(16, 16))
    struct.pack_into(">I", lying_png, lying_png.index(b"IDAT") - 4, 1 << 30)
    path = os.path.join(out, "lying_chunk_and_entry_sizes.vt")
    template(path, '<Picture float="true" pos="0,0,0,0" width="100" height="100" bkimage="logo.png" />\n',
             extra=(("logo.png", bytes(lying_png)), ("note.txt", b"a note")))
    data = bytearray(open(path, "rb").read())
    record = data.index(b"note.txt", data.index(b"PK\x01\x02")) - 46
    struct.pack_into("<I", data, record + 24, 60 << 20)
    with open(path, "wb") as f:
        f.write(bytes(data))
    # Every number field sends a glyph set; the page record counts them in one byte.
    template(os.path.join(out, "many_number_fields.vt"), "".join(
        '<QueuingNum float="true" pos="40,%d,0,0" width="60" height="10" num_length="3" />\n' % (80 + i % 300)
        for i in range(300)))


def big(out):
    # 4000 records, each claiming the same 64 MiB block: 250 GiB for a save to copy.
    shared_data_archive(os.path.join(out, "bomb_shared_entries.vt"), 4000, 64 << 20)
    with zipfile.ZipFile(os.path.join(out, "many_entries.vt"), "w") as archive:
        for i in range(5000):
            archive.writestr("e%d.png" % i, b"")
        archive.writestr("skin.xml", HEAD + TAIL)
    template(os.path.join(out, "deep_nesting.vt"), "<Container>" * 150000 + "</Container>" * 150000)
    template(os.path.join(out, "megabyte_attribute.vt"),
             '<TextEdit text="%s" pos="%s" />\n' % ("W" * (3 << 20), "1," * 100000))
    template(os.path.join(out, "many_attributes.vt"),
             "<TextEdit %s />\n" % " ".join('a%d="1"' % i for i in range(20000)))


if __name__ == "__main__":
    os.makedirs(sys.argv[1], exist_ok=True)
    (big if "--big" in sys.argv else small)(sys.argv[1])
