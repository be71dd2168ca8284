#!/usr/bin/env python3
"""Encoding and sending templates: what ticket-cli writes is what the printer gets."""
import json
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

from png_support import read_chunks, unfilter_rows

CLI = sys.argv.pop(1)
EMU = sys.argv.pop(1)

# Glyphs are scaled by the extent of the field's shown text, so the fields
# show texts that do not change between two runs: a fixed sample number and
# the year.
TEMPLATE = ('<?xml version="1.0" encoding="utf-8" standalone="yes" ?>\n<Window>\n'
            '<Form width="464" height="580" printpadding="5,10,5,10" dpi="203.2,406.4" model="58">\n'
            '<TextEdit text="Welcome" float="true" pos="60,90,0,0" width="340" height="40" />\n'
            '<QueuingNum float="true" pos="140,150,0,0" width="180" height="80" queuingnum="123" '
            'num_length="3" />\n'
            '<Rectangle bordersize="3" float="true" pos="50,140,0,0" width="360" height="100" '
            'bordercolor="#FF000000" />\n'
            '<Time float="true" pos="80,260,0,0" width="300" height="30" timeformat="Year" />\n'
            '</Form>\n</Window>\n')


def read_pbm(path):
    """Width, height and the packed rows (1 = ink) of a binary PBM."""
    with open(path, "rb") as f:
        data = f.read()
    header = data.split(maxsplit=3)
    assert header[0] == b"P4"
    width, height = int(header[1]), int(header[2])
    return width, height, data[len(data) - ((width + 7) // 8) * height:]


def read_mono_png(path):
    """Width, height and the packed rows (1 = ink) of a 1-bit PNG."""
    (width, height, depth, _), palette, raw = read_chunks(path)
    assert depth == 1, depth
    # Palette index 1 or, in grey, value 0 is black.
    ink_is_one = palette is not None and palette[1] == b"\0\0\0"
    rows = bytearray()
    for line in unfilter_rows(raw, height, (width + 7) // 8, 1):
        rows += line if ink_is_one else bytes(b ^ 0xFF for b in line)
        if width % 8:  # padding bits are paper
            rows[-1] &= (0xFF << (8 - width % 8)) & 0xFF
    return width, height, bytes(rows)


def run(*args, timeout=90):
    return subprocess.run(list(args), capture_output=True, timeout=timeout)


class EncodeCommands(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.template = self.path("bank.vt")
        with zipfile.ZipFile(self.template, "w") as archive:
            archive.writestr("skin.xml", TEMPLATE)

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def encode(self, *args):
        out, sizes = self.path("out.bin"), self.path("out.sizes")
        result = run(CLI, "encode", *args, "-o", out, "--buffer-sizes", sizes)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(out, "rb") as f:
            stream = f.read()
        with open(sizes) as f:
            boundaries = [int(line) for line in f]
        self.assertEqual(sum(boundaries), len(stream))
        return stream, boundaries

    def test_upload_stream_frames_are_cut_at_their_boundaries(self):
        stream, sizes = self.encode("upload", self.template)
        self.assertEqual(stream[:4], bytes([0x7E, 0x01, 0x54, 0x01]))
        self.assertEqual(sizes[:2], [4, 84])
        self.assertEqual(stream[4:6], bytes([1, 2]))  # one time field, two glyph sets
        self.assertEqual(stream[-4:], bytes([0x7E, 0xFF, 0, 0]))
        # Every buffer that starts with the frame mark and is 4 long is a header.
        offset = 0
        headers = 0
        for size in sizes:
            if size == 4 and stream[offset] == 0x7E:
                headers += 1
            offset += size
        self.assertGreater(headers, 2 + 16 + 11)

    def test_clock_and_print_transactions(self):
        stream, sizes = self.encode("clock", "--at", "2024-03-01 00:00:00")
        self.assertEqual(stream, bytes([0x7E, 0xFE, 0x04, 0x00, 0x80, 0x1A, 0xE1, 0x65, 0x7E, 0xFF, 0, 0]))
        self.assertEqual(sizes, [4, 4, 4])
        stream, sizes = self.encode("print", self.template)
        self.assertEqual(stream[:4], bytes([0x7E, 0xFD, 0x08, 0x00]))
        width, height, count = struct.unpack("<HHI", stream[4:12])
        self.assertEqual((width, height, count), (384, 840, 48 * 840))
        self.assertTrue(any(stream[12:-4]), "the text and rectangle leave ink")

    def test_upload_through_the_live_printer_delivers_the_encoded_stream(self):
        expected, _ = self.encode("upload", self.template)
        received, out = self.path("live.bin"), self.path("live")
        result = run(EMU, "live", "--stream-out", received, "-o", out, "--", CLI, "upload", self.template)
        self.assertEqual(result.returncode, 0, result.stderr)
        # Under a Chinese locale ticket-cli answers in Chinese.
        self.assertIn("写入数据成功!".encode(), result.stdout)
        with open(received, "rb") as f:
            self.assertEqual(f.read(), expected)
        with open(os.path.join(out, "template.json"), encoding="utf-8") as f:
            state = json.load(f)
        self.assertEqual(state["transactions"], 1)
        # The printer's page is the picture render --mode device writes.
        device_png = self.path("device.png")
        result = run(CLI, "render", self.template, "--mode", "device", "-o", device_png)
        self.assertEqual(result.returncode, 0, result.stderr)
        rendered = read_mono_png(device_png)
        self.assertEqual(rendered[:2], (384, 840))
        self.assertEqual(read_pbm(os.path.join(out, "page.pbm")), rendered)
        self.assertTrue(any(rendered[2]))

    def test_bad_arguments_and_unreadable_templates(self):
        self.assertEqual(run(CLI, "encode", "upload", self.template).returncode, 1)
        self.assertEqual(run(CLI, "encode", "bogus", self.template, "-o", self.path("x")).returncode, 1)
        self.assertEqual(run(CLI, "encode", "clock", "--at", "yesterday", "-o", self.path("x")).returncode, 1)
        self.assertEqual(run(CLI, "encode", "upload", self.path("none.vt"), "-o", self.path("x")).returncode, 2)
        self.assertEqual(run(CLI, "upload", self.template, "--device", self.path("lp7")).returncode, 4)


if __name__ == "__main__":
    unittest.main(verbosity=2)
