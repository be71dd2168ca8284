#!/usr/bin/env python3
"""The designer's printer commands against the emulated printer (umockdev
and ticket-printer-emu live): upload, set the clock, print a test page; the
printer receives exactly the page `ticket-cli render --mode device` shows."""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cli"))
from png_support import read_chunks, unfilter_rows  # noqa: E402

DESIGNER, CLI, EMULATOR = sys.argv.pop(1), sys.argv.pop(1), sys.argv.pop(1)
HERE = os.path.dirname(os.path.abspath(__file__))

MARKUP = """<?xml version="1.0" encoding="utf-8" standalone="yes" ?>
<Window>
  <Form printpadding="5,10,5,10" dpi="203.2,406.4" model="58">
    <TextEdit text="City Bank" float="true" pos="60,90,0,0" width="340" height="40" align="center" />
    <HorzontalLine bordersize="2" float="true" pos="50,140,0,0" width="360" height="6" />
    <QueuingNum text="0213" float="true" pos="110,185,0,0" width="240" height="100" num_length="4" />
    <Rectangle bordersize="3" float="true" pos="50,300,0,0" width="360" height="150" />
    <Circular bordersize="2" float="true" pos="180,330,0,0" width="100" height="100" />
    <Time text="2026-12-10 11:22:33" float="true" pos="80,470,0,0" width="290" height="30"
          font="name='Liberation Mono' height='30'" />
  </Form>
</Window>
"""


def black_of_pbm(path):
    """(width, height, set of black (x, y)) of a binary PBM."""
    with open(path, "rb") as f:
        data = f.read()
    magic, dims, rest = data.split(b"\n", 2)
    assert magic == b"P4"
    width, height = map(int, dims.split())
    stride = (width + 7) // 8
    return width, height, {(x, y) for y in range(height) for x in range(width)
                           if rest[y * stride + x // 8] & (0x80 >> (x % 8))}


def black_of_png(path):
    """The same of the 1-bit PNG ticket-cli writes (palette: white, black)."""
    (width, height, depth, colour), palette, raw = read_chunks(path)
    assert depth == 1 and colour == 3, (depth, colour)
    rows = unfilter_rows(raw, height, (width + 7) // 8, 1)
    ink = {i for i, rgb in enumerate(palette) if rgb == b"\x00\x00\x00"}
    return width, height, {(x, y) for y in range(height) for x in range(width)
                           if ((rows[y][x // 8] >> (7 - x % 8)) & 1) in ink}


class PrinterCommandsOnX(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="designer-printer-")
        self.addCleanup(shutil.rmtree, self.dir, True)
        self.template = os.path.join(self.dir, "ticket.vt")
        with zipfile.ZipFile(self.template, "w") as archive:
            archive.writestr("skin.xml", MARKUP)

    def test_upload_clock_and_test_page_reach_the_printer(self):
        out = os.path.join(self.dir, "printer")
        began = time.time()
        result = subprocess.run([EMULATOR, "live", "-o", out, "--",
                                 sys.executable, os.path.join(HERE, "printer_driver.py"), DESIGNER, self.template],
                                capture_output=True, text=True, timeout=150)
        report = result.stdout + result.stderr
        self.assertEqual(result.returncode, 0, report)
        self.assertIn("transactions: 3", report)

        # The clock is the computer's, taken when the command was given.
        with open(os.path.join(out, "state.txt")) as f:
            state = f.read()
        clock = int(state.split("clock: ")[1].split()[0])
        local = int(time.mktime(time.localtime(began))) + time.localtime(began).tm_gmtoff
        self.assertLess(abs(clock - local), 120, state)

        # The uploaded page and the printed test page are the device render.
        expected = os.path.join(self.dir, "device.png")
        subprocess.run([CLI, "render", self.template, "--mode", "device", "-o", expected], check=True, timeout=60)
        device = black_of_png(expected)
        self.assertGreater(len(device[2]), 1000, "the page has ink")
        self.assertEqual(black_of_pbm(os.path.join(out, "page.pbm")), device)
        self.assertEqual(black_of_pbm(os.path.join(out, "printed.pbm")), device)


if __name__ == "__main__":
    unittest.main()
