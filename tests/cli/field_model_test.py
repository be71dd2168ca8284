#!/usr/bin/env python3
"""The template check and the emulated printer agree on every field: the
check flags a field exactly when the printer, filling it with its widest
value, cuts it off."""
import json
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

CLI, EMU, SAMPLES = sys.argv[1:4]
del sys.argv[1:4]

FORMATS = ["yyyy-mm-dd HH:MM:SS", "mm/dd/yy HH:MM:SS", "yyyy-mm-dd", "mm/dd/yy", "HH:MM:SS",
           "Year", "Month", "Day", "Hour", "Minute", "Second"]
# Box widths around where each format's text fits, and a few far off.
TIME_WIDTHS = [18, 40, 61, 97, 140, 181, 189, 194, 203, 262]
FONTS = ["Liberation Mono", "Liberation Sans", "WenQuanYi Micro Hei"]


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=120)


def write_template(path, elements, height, ending=9999):
    markup = ('<?xml version="1.0" encoding="utf-8" standalone="yes" ?>\n<Window>\n'
              f'<Form width="640" height="{height}" printpadding="5,10,5,10" dpi="203.2,406.4" model="80" '
              f'maxnum="{ending}">\n'
              + "".join(elements) + '</Form>\n</Window>\n')
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr("skin.xml", markup)


def font(face, height, bold=False):
    return f"name='{face}' height='{height}' bold='{'true' if bold else 'false'}'"


class FieldModel(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.addCleanup(self.work.cleanup)

    def verdicts(self, path):
        """{element index: flagged by the check}, {printer field name: cut by the printer}."""
        result = run(CLI, "check", path, "--json")
        self.assertIn(result.returncode, (0, 7), result.stderr)
        flagged = {f["element"]["index"] for f in json.loads(result.stdout)["findings"]
                   if f["code"] == "field-overflow"}
        stem = os.path.join(self.work.name, os.path.basename(path))
        stream = stem + ".bin"
        result = run(CLI, "encode", "upload", path, "-o", stream)
        self.assertEqual(result.returncode, 0, result.stderr)
        out = stem + ".printer"
        result = run(EMU, "decode", stream, "-o", out, "--worst-case")
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(os.path.join(out, "template.json"), encoding="utf-8") as f:
            widest = json.load(f)["template"]["widestValues"]
        with open(os.path.join(out, "state.txt"), encoding="utf-8") as f:
            state = f.read()
        cut = {}
        for field in widest:
            self.assertTrue(field["glyphSetSent"], field)
            cut[field["field"]] = not field["fits"]
            # state.txt says the same in words.
            self.assertIn(f'widest {field["field"]}: "{field["text"]}"', state)
            self.assertEqual("cut off by" in state.split(f'widest {field["field"]}: ')[1].split("\n")[0],
                             cut[field["field"]])
        return flagged, cut

    def test_time_fields_of_every_format_and_width(self):
        for face in FONTS:
            with self.subTest(face):
                elements = []
                for i, (fmt, width) in enumerate((f, w) for f in FORMATS for w in TIME_WIDTHS):
                    x, y = 60 + (i % 2) * 290, 100 + (i // 2) * 28
                    elements.append(f'<Time float="true" pos="{x},{y},0,0" width="{width}" height="24" '
                                    f'font="{font(face, 24)}" timeformat="{fmt}" />\n')
                path = os.path.join(self.work.name, face.replace(" ", "") + ".vt")
                write_template(path, elements, 100 + len(elements) * 14 + 120)
                flagged, cut = self.verdicts(path)
                self.assertEqual(len(cut), len(elements))
                for index in range(len(elements)):
                    self.assertEqual(index in flagged, cut[f"time field {index}"],
                                     (face, FORMATS[index // len(TIME_WIDTHS)], TIME_WIDTHS[index % len(TIME_WIDTHS)]))
                # The table holds both verdicts, or it tests nothing.
                self.assertTrue(flagged)
                self.assertLess(len(flagged), len(elements))

    def test_number_fields_of_every_digit_count_and_width(self):
        cases = [(digits, width, ending) for digits in (1, 2, 4, 5)
                 for width in (30, 61, 98, 120, 151) for ending in (999, 65535)]
        cut_any = 0
        for digits, width, ending in cases:
            with self.subTest(digits=digits, width=width, ending=ending):
                elements = [
                    f'<QueuingNum float="true" pos="60,100,0,0" width="{width}" height="40" num_length="{digits}" '
                    f'queuingnum="7" font="{font("Liberation Mono", 40, True)}" />\n',
                    f'<WaitingCount float="true" pos="60,180,0,0" width="{width // 2}" height="30" '
                    f'num_length="{digits}" waitingcount="3" font="{font("Liberation Sans", 30)}" />\n',
                    f'<CurrentNum float="true" pos="60,260,0,0" width="{width}" height="36" num_length="{digits}" '
                    f'currentnum="5" font="{font("WenQuanYi Micro Hei", 36)}" />\n',
                ]
                path = os.path.join(self.work.name, f"numbers-{digits}-{width}-{ending}.vt")
                write_template(path, elements, 400, ending)
                flagged, cut = self.verdicts(path)
                for index, name in enumerate(("ticket number", "waiting count", "now serving")):
                    self.assertEqual(index in flagged, cut[name], name)
                cut_any += sum(cut.values())
        self.assertGreater(cut_any, 0)
        self.assertLess(cut_any, 3 * len(cases))

    def test_the_samples(self):
        for name in sorted(os.listdir(SAMPLES)):
            if name.endswith(".vt"):
                with self.subTest(name):
                    flagged, cut = self.verdicts(os.path.join(SAMPLES, name))
                    self.assertEqual(flagged, set())
                    self.assertFalse(any(cut.values()), cut)


if __name__ == "__main__":
    unittest.main(verbosity=2)
