#!/usr/bin/env python3
"""Every hostile template through dump, render, encode and save: each gets a
clear message or a correct result, never a crash, a sanitizer report or a hang.
Usage: hostile_corpus_test.py TICKET_CLI TICKET_PRINTER_EMU CORPUS_DIR"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

CLI = sys.argv.pop(1)
EMU = sys.argv.pop(1)
CORPUS = sys.argv.pop(1)

# Why a file must open as an empty form; files not listed open as templates.
EXPECTED_WARNINGS = {
    "not_a_zip.vt": "not a ZIP archive",
    "truncated.vt": "not a ZIP archive",
    "lying_sizes.vt": "Could not unzip file",
    "shared_entries.vt": "entries share their data",
    "bomb_shared_entries.vt": "the entries unpack to more than 256 MiB",
    "many_entries.vt": "more than 4096 entries",
}
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:")


def run(*args, program=CLI):
    return subprocess.run([program, *args], capture_output=True, text=True, timeout=240, errors="replace")


class HostileCorpus(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        big = os.path.join(cls.scratch.name, "big")
        subprocess.run([sys.executable, os.path.join(CORPUS, "make_hostile.py"), big, "--big"], check=True)
        cls.files = sorted(os.path.join(CORPUS, f) for f in os.listdir(CORPUS) if f.endswith(".vt"))
        cls.files += sorted(os.path.join(big, f) for f in os.listdir(big))

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def check_clean(self, result, allowed=(0,)):
        self.assertNotIn(result.returncode, range(-64, 0), "killed by a signal")
        for mark in SANITIZER_MARKS:
            self.assertNotIn(mark, result.stderr)
        self.assertIn(result.returncode, allowed, result.stderr[-2000:])

    def test_dump_gives_a_result_or_says_why_the_form_is_empty(self):
        for path in self.files:
            name = os.path.basename(path)
            with self.subTest(name):
                result = run("dump", path, "--json")
                self.check_clean(result)
                dump = json.loads(result.stdout)
                expected = EXPECTED_WARNINGS.get(name)
                if expected:
                    self.assertIn(expected, " ".join(dump["warnings"]))
                    self.assertIn("opens as an empty form", result.stderr)
                else:
                    self.assertEqual(dump["warnings"], [], result.stderr)

    def test_render_and_encode_finish_with_an_image_or_a_message(self):
        out = self.scratch.name
        for path in self.files:
            with self.subTest(os.path.basename(path)):
                for mode in ("design", "device"):
                    result = run("render", path, "-o", os.path.join(out, "page.png"), "--mode", mode)
                    # 2: a page too large to draw or with nothing printable, said so.
                    self.check_clean(result, allowed=(0, 2))
                    if result.returncode != 0:
                        self.assertRegex(result.stderr, "^ticket-cli: .*(cannot be rendered|no printable area)")
                stream = os.path.join(out, "upload.bin")
                result = run("encode", "upload", path, "-o", stream)
                self.check_clean(result)
                # What is sent must be what the printer's firmware accepts.
                decoded = run("decode", stream, "-o", os.path.join(out, "printer"), program=EMU)
                self.check_clean(decoded)

    def test_save_writes_a_template_that_opens_again(self):
        saved = os.path.join(self.scratch.name, "saved.vt")
        for path in self.files:
            with self.subTest(os.path.basename(path)):
                result = run("save", path, saved)
                self.check_clean(result, allowed=(0, 3))
                if result.returncode == 0:
                    self.check_clean(run("dump", saved, "--json"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
