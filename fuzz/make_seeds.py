#!/usr/bin/env python3
"""Writes the seed corpora of every fuzz target into OUT_DIR/<target>/: real
templates as the designer writes them plus hand-broken ones, the hostile
corpus, small images, and (given ticket-cli) the byte streams it encodes.
Usage: make_seeds.py OUT_DIR [TICKET_CLI]"""
import io
import os
import shutil
import struct
import subprocess
import sys
import zipfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
HOSTILE = os.path.join(HERE, "..", "tests", "data", "hostile")

FORM = ('<Form width="464" height="580" printpadding="5,10,5,10" dpi="203.2,406.4" model="58" '
        'zeroing="true" maxnum="999" printcount="2" department="A">\n')
ELEMENTS = [
    '<TextEdit text="Welcome &amp; &#x4E2D;&#25991;" float="true" pos="60,90,0,0" width="340" height="40" '
    'font="name=\'Arial\' height=\'24\' bold=\'true\' charset=\'134\'" align="center" wordbreak="true" />',
    '<QueuingNum float="true" pos="140,150,0,0" width="180" height="80" num_length="3" />',
    '<WaitingNum float="true" pos="10,300,0,0" width="100" height="30" num_length="2" />',
    '<Rectangle bordersize="3" float="true" pos="50,140,0,0" width="360" height="100" bordercolor="#FF000000" />',
    '<Line float="true" pos="10,400,300,402" bkcolor="#FF000000" />',
    '<Ellipse float="true" pos="20,420,80,480" bordersize="2" />',
    '<Time float="true" pos="80,260,0,0" width="300" height="30" timeformat="HH:MM:SS" />',
    '<Picture float="true" pos="300,420,0,0" width="64" height="64" '
    'bkimage="file=\'logo.png\' source=\'0,0,4,4\' dest=\'0,0,64,64\' corner=\'1,1,1,1\' mask=\'#FFFFFFFF\' '
    'fade=\'128\' hole=\'true\' xtiled=\'true\'" />',
    '<Barcode data="42" kind="qr" />',
]
ATTRIBUTES = [
    "0,0,100,50", "-2147483648,2147483647,-1,0", "12", "0x7FFFFFFF", "#FF00FF00", "#F0F", "true", "false",
    "1.5e308", "203.2,406.4", "name='Arial' height='24' bold='true' underline='true' italic='true' charset='134'",
    "name='" + "\u5b8b\u4f53" + "' height='-12'", "logo.png",
    "file='a.png' dest='0,0,10,10' source='1,1,2,2' corner='1,2,3,4' mask='#FFFFFF' fade='0' hole='true' "
    "xtiled='true' ytiled='false'",
    "res='x' restype='PNG' file='b.bmp'", "file='unterminated", "&lt;&gt;&amp;&apos;&quot;&#65;&#x10FFFF;&#xD800;",
]


def markup(elements, fonts=""):
    return ('<?xml version="1.0" encoding="utf-8" standalone="yes" ?>\n<Window>\n' + fonts +
            '<Default name="TextEdit" value="align=&quot;left&quot;" />\n' + FORM + "\n".join(elements) +
            "\n</Form>\n</Window>\n")


def png(width, height, gray=True):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    colour = 0 if gray else 2
    row = b"\0" + (b"\x80" if gray else b"\x10\x80\xf0") * width
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(row * height)) + chunk(b"IEND", b""))


def bmp(width, height):
    stride = (width * 3 + 3) & ~3
    pixels = (b"\x00\x80\xff" * width).ljust(stride, b"\0") * height
    return (b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54) +
            struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels)


GIF = (b"GIF89a\x02\x00\x02\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff,\x00\x00\x00\x00\x02\x00\x02\x00\x00\x02"
       b"\x02D\x01\x00;")


def archive(files, method=zipfile.ZIP_DEFLATED):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", method) as z:
        for name, data in files:
            z.writestr(name, data)
    return out.getvalue()


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def main(out, cli):
    full = markup(ELEMENTS, '<Font name="Arial" size="12" bold="true" default="true" />\n')
    texts = {"full.xml": full, "empty_form.xml": markup([])}
    for i, element in enumerate(ELEMENTS):
        texts["element%d.xml" % i] = markup([element])
    texts["nested.xml"] = markup(["<Container>" * 70 + "</Container>" * 70])
    texts["comments.xml"] = "<!-- c --><?pi x?><!DOCTYPE x><Window a=\"&#x41;\">text<![CDATA[x]]></Window>"
    texts["broken_quote.xml"] = "<Window><Form width='1' /></Window>"
    texts["unclosed.xml"] = "<Window><Form>"
    for name, text in texts.items():
        write(os.path.join(out, "fuzz_markup"), name, text)
    clipboard = os.path.join(out, "fuzz_clipboard")
    for i, element in enumerate(ELEMENTS):
        write(clipboard, "element%d.xml" % i, "<?xml ?>\n<UICopy>\n\t<Form>\n\t\t" + element + "\n\t</Form>\n</UICopy>\n\0")
    write(clipboard, "all.xml", "<?xml ?>\n<UICopy>\n\t<Form>\n" + "\n".join(ELEMENTS) + "\n\t</Form>\n</UICopy>\n\0")
    write(clipboard, "template.xml", full)
    write(clipboard, "absurd.xml", '<UICopy><Form><Rectangle float="true" pos="2147483647,-2147483648,0,0" '
                                   'width="2147483647" minwidth="99999" /><Form><TextEdit /></Form></Form></UICopy>')
    write(clipboard, "settings.xml", '<UICopy><Font name="x" size="-2147483648" default="true" />'
                                     '<Default name="TextEdit" value="width=&quot;99999&quot;" />'
                                     '<Form><TextEdit float="true" pos="1,1,0,0" /></Form></UICopy>')
    for i, text in enumerate(ATTRIBUTES):
        write(os.path.join(out, "fuzz_attributes"), "value%d.txt" % i, text)

    images = {"gray.png": png(4, 4), "rgb.png": png(3, 2, False), "pic.bmp": bmp(3, 2), "pic.gif": GIF,
              "truncated.png": png(8, 8)[:40]}
    for name, data in images.items():
        write(os.path.join(out, "fuzz_image"), name, data)

    templates = {
        "full.vt": archive([("logo.png", images["gray.png"]), ("skin.xml", full)]),
        "stored.vt": archive([("skin.xml", full)], zipfile.ZIP_STORED),
        "empty.vt": archive([("skin.xml", markup([]))]),
        "pictures.vt": archive([("pictures/", b""), ("logo.png", images["rgb.png"]), ("b.bmp", images["pic.bmp"]),
                                ("skin.xml", markup([ELEMENTS[7], ELEMENTS[0]]))]),
        "no_markup.vt": archive([("logo.png", b"png")]),
    }
    for name, data in templates.items():
        for target in ("fuzz_zip", "fuzz_template_open"):
            write(os.path.join(out, target), name, data)
    for name in sorted(os.listdir(HOSTILE)):
        if name.endswith(".vt"):
            for target in ("fuzz_zip", "fuzz_template_open"):
                shutil.copy(os.path.join(HOSTILE, name), os.path.join(out, target, "hostile_" + name))

    streams = os.path.join(out, "fuzz_stream_decoder")
    os.makedirs(streams, exist_ok=True)
    write(streams, "empty.bin", b"")
    if cli:
        template = os.path.join(out, "full.vt")
        write(out, "full.vt", templates["full.vt"])
        for kind in ("upload", "print", "clock"):
            args = [cli, "encode", kind] + ([] if kind == "clock" else [template])
            args += ["-o", os.path.join(streams, kind + ".bin")]
            args += ["--at", "2024-03-05 14:30:22"] if kind == "clock" else []
            subprocess.run(args, check=True, capture_output=True,
                           env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        os.remove(template)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None)
