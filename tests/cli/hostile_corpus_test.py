#!/usr/bin/env python3
"""One hostile template through dump, check, render, encode and save: it gets a clear
message or a correct result, never a crash, a sanitizer report or a hang.
Usage: hostile_corpus_test.py TICKET_CLI TICKET_PRINTER_EMU TEMPLATE
       hostile_corpus_test.py --make-big MAKE_HOSTILE OUT_DIR NAME...
         (writes the big templates and checks they are exactly the NAMEs,
         so that each has its own test)"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

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
CANNOT_RENDER = 7
TEMPLATE_ERRORS = 7


def make_big(make_hostile, out, names):
    subprocess.run([sys.executable, make_hostile, out, "--big"], check=True)
    made = sorted(os.listdir(out))
    if made != sorted(names):
        sys.exit(f"make_hostile.py --big writes {made}; tests/cli/CMakeLists.txt lists {sorted(names)}")


if len(sys.argv) > 1 and sys.argv[1] == "--make-big":
    make_big(sys.argv[2], sys.argv[3], sys.argv[4:])
    sys.exit(0)

CLI = sys.argv.pop(1)
EMU = sys.argv.pop(1)
TEMPLATE = sys.argv.pop(1)
NAME = os.path.basename(TEMPLATE)


def run(*args, program=CLI):
    return subprocess.run([program, *args], capture_output=True, text=True, timeout=240, errors="replace")


class HostileTemplate(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.addCleanup(self.scratch.cleanup)

    def out(self, name):
        return os.path.join(self.scratch.name, name)

    def check_clean(self, result, allowed=(0,)):
        self.assertNotIn(result.returncode, range(-64, 0), "killed by a signal")
        for mark in SANITIZER_MARKS:
            self.assertNotIn(mark, result.stderr)
        self.assertIn(result.returncode, allowed, result.stderr[-2000:])

    def test_dump_gives_a_result_or_says_why_the_form_is_empty(self):
        result = run("dump", TEMPLATE, "--json")
        self.check_clean(result)
        dump = json.loads(result.stdout)
        expected = EXPECTED_WARNINGS.get(NAME)
        if expected:
            self.assertIn(expected, " ".join(dump["warnings"]))
            self.assertIn("opens as an empty form", result.stderr)
        else:
            self.assertEqual(dump["warnings"], [], result.stderr)

    def test_render_and_encode_finish_with_an_image_or_a_message(self):
        for mode in ("design", "device"):
            with self.subTest(mode):
                result = run("render", TEMPLATE, "-o", self.out("page.png"), "--mode", mode)
                # A page too large to draw or with nothing printable, said so.
                self.check_clean(result, allowed=(0, CANNOT_RENDER))
                if result.returncode != 0:
                    self.assertRegex(result.stderr, "^ticket-cli: .*(cannot be rendered|no printable area)")
        stream = self.out("upload.bin")
        self.check_clean(run("encode", "upload", TEMPLATE, "-o", stream))
        # What is sent must be what the printer's firmware accepts.
        self.check_clean(run("decode", stream, "-o", self.out("printer"), program=EMU))

    def test_check_reports_findings_or_says_the_template_has_errors(self):
        result = run("check", TEMPLATE, "--json")
        self.check_clean(result, allowed=(0, TEMPLATE_ERRORS))
        report = json.loads(result.stdout)
        errors = [f for f in report["findings"] if f["severity"] == "error"]
        self.assertEqual(report["errors"], len(errors))
        self.assertEqual(result.returncode, TEMPLATE_ERRORS if errors else 0)

    def test_save_writes_a_template_that_opens_again(self):
        saved = self.out("saved.vt")
        result = run("save", TEMPLATE, saved)
        self.check_clean(result, allowed=(0, 3))
        if result.returncode == 0:
            self.check_clean(run("dump", saved, "--json"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
