#!/usr/bin/env python3
"""Drives ticket-cli's template commands as a technician's script would."""
import json
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

CLI = sys.argv.pop(1)


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60)


class TemplateCommands(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def dump(self, path):
        result = run("dump", path, "--json")
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    def test_new_templates_are_sized_as_the_designer_shows_them(self):
        for paper, width, height, dots in (("58", 464, 580, 384), ("80", 640, 800, 560)):
            out = self.path(f"new{paper}.vt")
            result = run("new", out, "--paper", paper)
            self.assertEqual(result.returncode, 0, result.stderr)
            with zipfile.ZipFile(out) as archive:
                self.assertEqual(archive.namelist(), ["skin.xml"])
                markup = archive.read("skin.xml").decode("utf-8")
            self.assertIn(f'<Form width="{width}" height="{height}" printpadding="5,10,5,10" '
                          f'dpi="203.2,406.4" model="{paper}" />', markup)
            form = self.dump(out)["form"]
            self.assertEqual(form["size"], [width, height])
            self.assertEqual(form["margins"], [40, 80, 40, 80])
            self.assertEqual(form["printable_dots"][0], dots)
            self.assertEqual(form["dpi"], [203.2, 406.4])

    def test_dump_lists_every_element_with_its_printer_rectangle(self):
        src = self.path("elements.vt")
        markup = ('<?xml version="1.0" encoding="utf-8" standalone="yes" ?>\n<Window>\n'
                  '<Form width="464" height="580" printpadding="5,10,5,10" dpi="203.2,406.4" model="58">\n'
                  '<QueuingNum float="true" pos="40,80,0,0" width="100" height="50" num_length="3" />\n'
                  '<TextEdit text="Margin only" float="true" pos="0,0,0,0" width="30" height="30" />\n'
                  '<Time float="true" pos="50,100,0,0" width="200" height="20" timeformat="yyyy-mm-dd" />\n'
                  '<Barcode data="42" />\n'
                  '</Form>\n</Window>\n')
        with zipfile.ZipFile(src, "w") as archive:
            archive.writestr("logo.png", b"png")
            archive.writestr("skin.xml", markup)
        dump = self.dump(src)
        self.assertEqual(dump["archive"], ["logo.png", "skin.xml"])
        self.assertEqual(dump["warnings"], [])
        kinds = [e["kind"] for e in dump["elements"]]
        self.assertEqual(kinds, [104, 103, 107, 0])
        number, margin, time, barcode = dump["elements"]
        self.assertEqual(number["fixed"], [40, 80, 100, 50])
        self.assertEqual(number["device_rect"], [0, 0, 100, 100])
        self.assertEqual(number["num_length"], 3)
        self.assertIsNone(margin["device_rect"])
        self.assertEqual(time["time_format"], 2)
        self.assertEqual(barcode["class"], "Barcode")
        text = run("dump", src)
        self.assertEqual(text.returncode, 0)
        self.assertIn("QueuingNumUI (104) at 40,80,100,50", text.stdout)

    def test_save_normalises_and_keeps_unknown_elements_and_images(self):
        src = self.path("in.vt")
        with zipfile.ZipFile(src, "w") as archive:
            archive.writestr("skin.xml", '<Window><Form model="80"><Barcode data="7" kind="qr" />'
                                         '<Rectangle pos="10,10,0,0" width="20" height="20" /></Form></Window>')
            archive.writestr("Logo.PNG", b"\x89PNG picture bytes")
        out = self.path("out.vt")
        result = run("save", src, out)
        self.assertEqual(result.returncode, 0, result.stderr)
        with zipfile.ZipFile(out) as archive:
            self.assertIsNone(archive.testzip())
            self.assertEqual(archive.namelist(), ["Logo.PNG", "skin.xml"])
            markup = archive.read("skin.xml").decode("utf-8")
            self.assertEqual(archive.read("Logo.PNG"), b"\x89PNG picture bytes")
        self.assertIn('<Barcode data="7" kind="qr" />', markup)
        self.assertIn('width="640" height="800"', markup)
        self.assertIn('<Rectangle bordersize="1" float="true" pos="10,10,0,0" width="20" height="20" />', markup)

    def test_unreadable_inputs_give_clear_statuses(self):
        not_zip = self.path("notes.vt")
        with open(not_zip, "w") as f:
            f.write("hello")
        dump = self.dump(not_zip)
        self.assertEqual(dump["elements"], [])
        self.assertEqual(len(dump["warnings"]), 1)

        missing = run("dump", self.path("missing.vt"))
        self.assertEqual(missing.returncode, 2)
        self.assertIn("missing.vt", missing.stderr)

        self.assertEqual(run("dump").returncode, 1)
        self.assertEqual(run("dump", not_zip, "--bogus").returncode, 1)
        self.assertEqual(run("new", self.path("x.vt"), "--paper", "70").returncode, 1)
        self.assertEqual(run("frobnicate").returncode, 1)

        blocked = run("new", os.path.join(not_zip, "inside.vt"))
        self.assertEqual(blocked.returncode, 3)
        self.assertTrue(blocked.stderr.strip())


if __name__ == "__main__":
    unittest.main(verbosity=2)
