#!/usr/bin/env python3
"""ticket-cli check as a technician's script runs it before deploying a template."""
import json
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

CLI = sys.argv.pop(1)
TEMPLATE_ERRORS = 7
FONT = "name='Liberation Sans' height='20'"
FIELD_FONT = "name='Liberation Mono' height='20'"


def run(*args, env=None):
    return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60, env=env)


def template(path, elements):
    markup = ('<?xml version="1.0" encoding="utf-8" standalone="yes" ?>\n<Window>\n'
              '<Form width="464" height="580" printpadding="5,10,5,10" dpi="203.2,406.4" model="58">\n'
              + "".join(elements) + '</Form>\n</Window>\n')
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr("skin.xml", markup)


CLEAN = [
    f'<TextEdit text="Welcome" float="true" pos="60,170,0,0" width="340" height="30" font="{FONT}" />\n',
    f'<QueuingNum float="true" pos="100,220,0,0" width="120" height="40" num_length="4" queuingnum="123" '
    f'font="{FIELD_FONT}" />\n',
    f'<Time float="true" pos="60,300,0,0" width="200" height="30" timeformat="yyyy-mm-dd" font="{FIELD_FONT}" />\n',
    '<Rectangle float="true" pos="60,370,0,0" width="340" height="110" />\n',
]
# A time field saved with a short text: its glyphs are scaled to fill the box
# with five characters, the printer prints nineteen.
OVERFLOWING = [
    f'<Time text="12:00" float="true" pos="60,100,0,0" width="200" height="30" '
    f'timeformat="yyyy-mm-dd HH:MM:SS" font="{FONT}" />\n',
]


class CheckCommand(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def test_a_clean_template_passes(self):
        path = self.path("clean.vt")
        template(path, CLEAN)
        result = run("check", path)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(result.stdout.strip(), f"{path}: 0 errors, 0 warnings, 0 notes")
        report = json.loads(run("check", path, "--json").stdout)
        self.assertEqual((report["errors"], report["warnings"], report["findings"]), (0, 0, []))

    def test_an_overflowing_field_is_an_error_with_its_widths(self):
        path = self.path("overflow.vt")
        template(path, OVERFLOWING)
        result = run("check", "--json", path)
        self.assertEqual(result.returncode, TEMPLATE_ERRORS, result.stderr)
        report = json.loads(result.stdout)
        self.assertEqual(report["template"], path)
        overflow = [f for f in report["findings"] if f["code"] == "field-overflow"]
        self.assertEqual(len(overflow), 1, report)
        finding = overflow[0]
        self.assertEqual(finding["severity"], "error")
        self.assertEqual(finding["element"], {"index": 0, "kind": 107, "kind_name": "time",
                                              "rect": [60, 100, 260, 130]})
        values = finding["values"]
        self.assertEqual(values["field_width_dots"], 200)
        self.assertEqual(values["positions"], 19)
        self.assertGreater(values["worst_case_width_dots"], values["field_width_dots"])
        self.assertGreater(values["widest_glyph_dots"], 0)
        self.assertGreaterEqual(report["errors"], 1)

        lines = run("check", path)
        self.assertEqual(lines.returncode, TEMPLATE_ERRORS)
        line = next(l for l in lines.stdout.splitlines() if "field-overflow" in l)
        self.assertTrue(line.startswith("error: element 0 (time): field-overflow: "), line)
        self.assertIn("field_width_dots=200", line)

    def test_a_page_that_cannot_be_rendered_is_an_error(self):
        path = self.path("no-area.vt")
        with zipfile.ZipFile(path, "w") as archive:
            archive.writestr("skin.xml", '<Window><Form width="464" height="580" printpadding="30,10,30,10" '
                                         'model="58" /></Window>')
        result = run("check", path, "--json")
        self.assertEqual(result.returncode, TEMPLATE_ERRORS)
        codes = [(f["code"], f["element"]["index"]) for f in json.loads(result.stdout)["findings"]]
        self.assertIn(("page-not-rendered", -1), codes)

    def test_messages_follow_the_language(self):
        path = self.path("overflow.vt")
        template(path, OVERFLOWING)
        result = run("check", path, env=dict(os.environ, LC_ALL="zh_CN.UTF-8"))
        line = next(l for l in result.stdout.splitlines() if "field-overflow" in l)
        # The keys stay as they are; the message is Chinese.
        self.assertTrue(line.startswith("error: "), line)
        self.assertTrue(any("\u4e00" <= c <= "\u9fff" for c in line), line)

    def test_an_unreadable_file_is_not_checked(self):
        result = run("check", self.path("missing.vt"))
        self.assertEqual(result.returncode, 2)
        self.assertEqual(result.stdout, "")


if __name__ == "__main__":
    unittest.main(verbosity=2)
