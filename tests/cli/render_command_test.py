#!/usr/bin/env python3
"""Drives ticket-cli render as a script would and checks the pixels it writes."""
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
import zlib

from png_support import read_chunks, unfilter_rows

CLI = sys.argv.pop(1)

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60)


def make_png(width, height, rgb):
    raw = b"".join(b"\x00" + bytes(rgb) * width for _ in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw))
            + chunk(b"IEND", b""))


def read_png(path):
    """Width, height and rows of (r, g, b) of an 8-bit RGB or RGBA PNG."""
    (width, height, depth, colour), _, raw = read_chunks(path)
    assert depth == 8 and colour in (2, 6), (depth, colour)
    channels = 3 if colour == 2 else 4
    lines = unfilter_rows(raw, height, width * channels, channels)
    return width, height, [[tuple(line[x * channels:x * channels + 3]) for x in range(width)] for line in lines]


def colours_in(rows, left, top, right, bottom):
    return {rows[y][x] for y in range(top, bottom) for x in range(left, right)}


# 58 mm at 464 x 580: margins 40 left and right, 80 top and bottom.
MARKUP = ('<?xml version="1.0" encoding="utf-8" standalone="yes" ?>\n<Window>\n'
          '<Form width="464" height="580" printpadding="5,10,5,10" dpi="203.2,406.4" model="58">\n'
          '<QueuingNum float="true" pos="100,100,0,0" width="200" height="60" num_length="3" />\n'
          '<Rectangle float="true" pos="0,200,0,0" width="100" height="20" bordersize="10" '
          'bordercolor="#FF808080" />\n'
          '<Rectangle float="true" pos="100,200,0,0" width="100" height="20" bordersize="10" '
          'bordercolor="#FF818181" />\n'
          '<Rectangle float="true" pos="200,200,0,0" width="100" height="20" bordersize="10" '
          'bordercolor="#FFFF0000" />\n'
          '<Rectangle float="true" pos="300,200,0,0" width="100" height="20" bordersize="10" '
          'bordercolor="#FF00FF00" />\n'
          '<Picture float="true" pos="100,300,0,0" width="50" height="50" bkimage="logo.png" />\n'
          '<Picture float="true" pos="200,300,0,0" width="50" height="50" bkimage="gone.png" />\n'
          '</Form>\n</Window>\n')


class RenderCommand(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.template = self.path("ticket.vt")
        with zipfile.ZipFile(self.template, "w") as archive:
            archive.writestr("skin.xml", MARKUP)
            archive.writestr("logo.png", make_png(3, 3, (0, 0, 200)))

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def render(self, mode):
        out = self.path(f"{mode}.png")
        result = run("render", self.template, "-o", out, "--mode", mode)
        self.assertEqual(result.returncode, 0, result.stderr)
        width, height, rows = read_png(out)
        self.assertEqual((width, height), (464, 580))
        return rows

    def test_design_shows_everything_inside_the_printable_area(self):
        rows = self.render("design")
        self.assertEqual(colours_in(rows, 0, 0, 464, 80), {WHITE})
        self.assertEqual(colours_in(rows, 0, 0, 40, 580), {WHITE}, "the rectangle in the margin is cut")
        self.assertIn(BLACK, colours_in(rows, 100, 100, 300, 160), "the sample number")
        self.assertEqual(rows[205][50], (128, 128, 128))
        self.assertEqual(colours_in(rows, 100, 300, 150, 350), {(0, 0, 200)}, "the archive's picture")
        self.assertEqual(colours_in(rows, 200, 300, 250, 350), {WHITE}, "a missing picture draws nothing")

    def test_static_leaves_out_what_the_printer_fills_in(self):
        rows = self.render("static")
        self.assertEqual(colours_in(rows, 100, 100, 300, 160), {WHITE})
        self.assertEqual(rows[205][50], (128, 128, 128))
        self.assertEqual(colours_in(rows, 100, 300, 150, 350), {(0, 0, 200)})

    def test_preview_is_black_and_white_by_the_printers_rule(self):
        rows = self.render("preview")
        self.assertEqual(colours_in(rows, 0, 0, 464, 580), {WHITE, BLACK})
        self.assertEqual(rows[205][50], BLACK, "grey 128")
        self.assertEqual(rows[205][150], WHITE, "grey 129")
        self.assertEqual(rows[205][250], BLACK, "red")
        self.assertEqual(rows[205][350], WHITE, "green")
        self.assertEqual(rows[325][125], BLACK, "dark blue picture")
        self.assertIn(BLACK, colours_in(rows, 100, 100, 300, 160))

    def test_a_new_template_renders_at_its_page_size(self):
        new = self.path("new.vt")
        self.assertEqual(run("new", new, "--paper", "80").returncode, 0)
        out = self.path("new.png")
        result = run("render", new, "-o", out)
        self.assertEqual(result.returncode, 0, result.stderr)
        width, height, rows = read_png(out)
        self.assertEqual((width, height), (640, 800))

    def test_the_picture_goes_to_standard_output_for_a_dash(self):
        piped = subprocess.run([CLI, "render", self.template, "--mode=device", "-o", "-"], capture_output=True,
                               timeout=60)
        self.assertEqual(piped.returncode, 0, piped.stderr)
        out = self.path("device.png")
        self.assertEqual(run("render", self.template, "--mode", "device", "--output", out).returncode, 0)
        with open(out, "rb") as f:
            self.assertEqual(piped.stdout, f.read())
        self.assertFalse(os.path.exists(self.path("-")))

    def test_failures_have_their_exit_statuses(self):
        out = self.path("x.png")
        self.assertEqual(run("render", self.template, "-o", out, "--mode", "sepia").returncode, 1)
        self.assertEqual(run("render", self.template).returncode, 1)
        self.assertEqual(run("render", self.path("missing.vt"), "-o", out).returncode, 2)
        result = run("render", self.template, "-o", self.path("no/such/dir/x.png"))
        self.assertEqual(result.returncode, 3)
        self.assertIn("cannot write", result.stderr)
        self.assertFalse(os.path.exists(out))

    def test_a_page_that_cannot_be_drawn_has_a_status_of_its_own(self):
        # The input was read: not status 2, which says it could not be.
        for name, form, mode, message in (
                ("wide", '<Form width="100000" height="580" model="58" />', "design", "cannot be rendered"),
                ("no_dots", '<Form width="464" height="580" dpi="0,0" model="58" />', "device",
                 "no printable area")):
            with self.subTest(name):
                template = self.path(name + ".vt")
                with zipfile.ZipFile(template, "w") as archive:
                    archive.writestr("skin.xml", "<Window>%s</Window>" % form)
                out = self.path(name + ".png")
                result = run("render", template, "-o", out, "--mode", mode)
                self.assertEqual(result.returncode, 7, result.stderr)
                self.assertIn(message, result.stderr)
                self.assertFalse(os.path.exists(out))


if __name__ == "__main__":
    unittest.main()
