#!/usr/bin/env python3
"""The sample templates as installed: each opens cleanly, draws as its expected
picture, and every field the printer fills in holds its widest value."""
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

from png_support import read_chunks, unfilter_rows

CLI, EMU, INSTALLED, COMMITTED, EXPECTED = sys.argv[1:6]
del sys.argv[1:6]

SAMPLES = ["bank-80mm", "clinic-58mm", "gov-service-hall", "minimal-58mm"]
PAPER = {"bank-80mm": "80", "clinic-58mm": "58", "gov-service-hall": "80", "minimal-58mm": "58"}
TIME = 107
FULL_TIME_FORMAT = 0
# The busiest values: the last ticket number and a date and time whose digits
# are all taken.
WORST = ["--ticket", "9999", "--waiting", "99", "--serving", "9999", "--time", "2028-12-28 20:58:59"]
WORST_TEXT = {0: "2028-12-28 20:58:59", 1: "12/28/28 20:58:59", 2: "2028-12-28", 3: "12/28/28", 4: "20:58:59",
              5: "2028"}


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=120)


def dump(path):
    result = run(CLI, "dump", path, "--json")
    assert result.returncode == 0, result.stderr
    return json.loads(result.stdout)


def read_rgb(path):
    (width, height, depth, colour), _, raw = read_chunks(path)
    assert depth == 8 and colour in (2, 6), (path, depth, colour)
    channels = 3 if colour == 2 else 4
    rows = unfilter_rows(raw, height, width * channels, channels)
    if channels == 4:
        rows = [bytes(b for i, b in enumerate(row) if i % 4 != 3) for row in rows]
    return width, height, [bytes(row) for row in rows]


class SampleTemplates(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.work.cleanup()

    def installed(self, name):
        return os.path.join(INSTALLED, name + ".vt")

    def test_the_installed_samples_are_the_committed_ones(self):
        self.assertEqual(sorted(os.listdir(INSTALLED)), [n + ".vt" for n in SAMPLES])
        for name in SAMPLES:
            with open(self.installed(name), "rb") as a, open(os.path.join(COMMITTED, name + ".vt"), "rb") as b:
                self.assertEqual(a.read(), b.read(), name)

    def test_each_opens_without_warnings_with_the_fields_of_a_ticket(self):
        for name in SAMPLES:
            with self.subTest(name):
                template = dump(self.installed(name))
                self.assertEqual(template["warnings"], [])
                self.assertEqual(template["form"]["model"], PAPER[name])
                kinds = [e["kind"] for e in template["elements"]]
                self.assertEqual(kinds.count(104), 1, "one ticket number")
                self.assertEqual(kinds.count(105), 1, "one waiting count")
                self.assertGreaterEqual(kinds.count(TIME), 1, "a time")
                self.assertGreaterEqual(kinds.count(108), 1, "a line")
                ticket = next(e for e in template["elements"] if e["kind"] == 104)
                self.assertGreaterEqual(ticket["num_length"], len(str(template["form"]["maxnum"])))
                # Every element lies wholly in the printable area: its device
                # rectangle is its whole box in dots, never cut at a margin.
                form = template["form"]
                sx = form["printable_dots"][0] / form["printable_view"][0]
                sy = form["printable_dots"][1] / form["printable_view"][1]
                for e in template["elements"]:
                    left, top, right, bottom = e["pos"]
                    dl, dt, dr, db = e["device_rect"]
                    self.assertEqual((dr - dl, db - dt), (round((right - left) * sx), round((bottom - top) * sy)),
                                     e)
        bank = dump(self.installed("bank-80mm"))
        pictures = [e["bkimage"] for e in bank["elements"] if e["kind"] == 102]
        self.assertEqual(pictures, ["logo.png"])
        self.assertIn("logo.png", bank["archive"])
        gov = dump(self.installed("gov-service-hall"))
        self.assertIn(2, [e["time_format"] for e in gov["elements"] if e["kind"] == TIME], "the date")

    def test_each_draws_as_its_expected_picture(self):
        for name in SAMPLES:
            with self.subTest(name):
                actual = os.path.join(self.work.name, name + ".png")
                result = run(CLI, "render", self.installed(name), "-o", actual, "--mode", "preview")
                self.assertEqual(result.returncode, 0, result.stderr)
                width, height, rows = read_rgb(actual)
                ew, eh, expected = read_rgb(os.path.join(EXPECTED, name + ".png"))
                self.assertEqual((width, height), (ew, eh))
                # A time field in any but the full format shows the clock of
                # the moment it was opened; its box is left out.
                clock = [e["pos"] for e in dump(self.installed(name))["elements"]
                         if e["kind"] == TIME and e["time_format"] != FULL_TIME_FORMAT]
                differing = 0
                for y in range(height):
                    if rows[y] == expected[y]:
                        continue
                    for x in range(width):
                        if rows[y][3 * x:3 * x + 3] == expected[y][3 * x:3 * x + 3]:
                            continue
                        if not any(l <= x < r and t <= y < b for l, t, r, b in clock):
                            differing += 1
                if differing:
                    kept = os.path.join(tempfile.gettempdir(), f"sample-{name}-actual.png")
                    os.replace(actual, kept)
                    self.fail(f"{differing} pixels differ from tests/data/samples/{name}.png; the render is "
                              f"{kept} (scripts/make-samples --renders writes the expected pictures again)")

    def test_the_printer_fits_every_field_at_its_widest(self):
        for name in SAMPLES:
            with self.subTest(name):
                stream = os.path.join(self.work.name, name + ".bin")
                result = run(CLI, "encode", "upload", self.installed(name), "-o", stream)
                self.assertEqual(result.returncode, 0, result.stderr)
                out = os.path.join(self.work.name, name)
                result = run(EMU, "decode", stream, "-o", out, *WORST)
                self.assertEqual(result.returncode, 0, result.stderr)
                with open(os.path.join(out, "template.json"), encoding="utf-8") as f:
                    upload = json.load(f)["template"]
                widths = {s["index"]: max(g["width"] for g in s["glyphs"]) for s in upload["glyphSets"]}
                fields = [(slot["rect"], widths[slot["glyphSet"]], slot["digits"])
                          for slot in (upload["ticketNumber"], upload["waitingCount"], upload["nowServing"])
                          if slot is not None]
                fields += [(f["rect"], widths[f["glyphSet"]], len(WORST_TEXT[f["format"]]))
                           for f in upload["timeFields"]]
                self.assertGreaterEqual(len(fields), 3)
                for rect, widest, positions in fields:
                    # Every position, separators too, may take the set's widest glyph.
                    self.assertLessEqual(widest * positions, rect[2] - rect[0], (rect, widest, positions))

    def test_the_template_check_finds_nothing_to_mend(self):
        if not re.search(r"^\s+check\b", run(CLI, "--help").stdout, re.MULTILINE):
            self.skipTest("this ticket-cli has no check command")
        for name in SAMPLES:
            with self.subTest(name):
                result = run(CLI, "check", self.installed(name), "--json")
                self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
                report = json.loads(result.stdout)
                # A sample shows how a ticket should be made: no warning either.
                self.assertEqual((report["errors"], report["warnings"]), (0, 0), report["findings"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
