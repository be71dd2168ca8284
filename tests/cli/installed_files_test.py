#!/usr/bin/env python3
"""What "cmake --install" puts in place: programs, manual pages, bash
completion and the desktop files, checked with the validators distributions
use. Usage: installed_files_test.py PREFIX"""
import configparser
import os
import shutil
import struct
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ET

PREFIX = os.path.abspath(sys.argv.pop(1))
BIN = os.path.join(PREFIX, "bin")
SHARE = os.path.join(PREFIX, "share")
DESKTOP = os.path.join(SHARE, "applications", "ticket-designer.desktop")
METAINFO = os.path.join(SHARE, "metainfo", "com.morra.TicketDesigner.metainfo.xml")
MIME = os.path.join(SHARE, "mime", "packages", "ticket-designer.xml")
ICONS = os.path.join(SHARE, "icons", "hicolor")
COMPLETIONS = os.path.join(SHARE, "bash-completion", "completions")
PROGRAMS = ("ticket-cli", "ticket-printer-emu", "ticket-designer")
# The desktop entry specification's main categories.
MAIN_CATEGORIES = {"AudioVideo", "Audio", "Video", "Development", "Education", "Game", "Graphics", "Network",
                   "Office", "Science", "Settings", "System", "Utility"}


def run(*args, **kwargs):
    return subprocess.run(list(args), capture_output=True, text=True, timeout=60, **kwargs)


def tool(name):
    path = shutil.which(name)
    if path is None:
        raise unittest.SkipTest(f"{name} is not installed (scripts/setup installs it)")
    return path


class Programs(unittest.TestCase):
    def test_programs_and_their_manual_pages(self):
        for program in PROGRAMS:
            with self.subTest(program):
                path = os.path.join(BIN, program)
                self.assertTrue(os.access(path, os.X_OK), path)
                version = run(path, "--version").stdout.split()[-1]
                with open(os.path.join(SHARE, "man", "man1", program + ".1"), encoding="utf-8") as f:
                    page = f.read()
                self.assertIn('.TH %s "1"' % program.upper(), page)
                self.assertIn(version, page, "the page is of another version")
                self.assertIn(".SH OPTIONS", page)
                self.assertIn("SEE ALSO", page)
                # groff reads it without a warning.
                checked = run(tool("groff"), "-man", "-Tutf8", "-ww", "-z", os.path.join(
                    SHARE, "man", "man1", program + ".1"))
                self.assertEqual(checked.stderr, "")

    def test_the_manual_of_ticket_cli_has_every_command_and_status(self):
        with open(os.path.join(SHARE, "man", "man1", "ticket-cli.1"), encoding="utf-8") as f:
            page = f.read().replace("\\-", "-")
        for command in ("check", "dump", "new", "render", "save", "encode", "upload", "print", "set-clock",
                        "status"):
            self.assertIn(command + " ", page)
        for status in ("writing to the printer failed", "the page cannot be rendered", "the template has errors"):
            self.assertIn(status, page)


def complete(program, *words, cwd=None):
    """The completions bash offers for the last word of the line."""
    script = os.path.join(COMPLETIONS, program)
    line = " ".join(["COMP_WORDS=(%s)" % " ".join("'%s'" % w for w in (program,) + words),
                     "COMP_CWORD=%d;" % len(words)])
    function = {"ticket-cli": "_ticket_cli", "ticket-printer-emu": "_ticket_printer_emu"}[program]
    result = run("bash", "--norc", "-c", f'source "{script}"; {line} {function}; printf "%s\\n" "${{COMPREPLY[@]}}"',
                 cwd=cwd, env=dict(os.environ, PATH=BIN + os.pathsep + os.environ["PATH"]))
    if result.returncode != 0:
        raise AssertionError(result.stderr)
    return sorted(filter(None, result.stdout.split("\n")))


class Completion(unittest.TestCase):
    def test_ticket_cli_completes_commands_options_and_values(self):
        cases = [
            (("re",), ["render"]),
            (("ch",), ["check"]),
            (("check", "t.vt", "--j"), ["--json"]),
            (("s",), ["save", "set-clock", "status"]),
            (("render", "t.vt", "--m"), ["--mode"]),
            (("render", "t.vt", "--mode", "d"), ["design", "device"]),
            (("render", "t.vt", "--mode", "=", "p"), ["preview"]),
            (("new", "x.vt", "--paper", ""), ["58", "80"]),
            (("encode", "p"), ["print"]),
            (("upload", "t.vt", "--t"), ["--timeout"]),
            (("help", "enc"), ["encode"]),
            (("--ver",), ["--version"]),
        ]
        for words, expected in cases:
            with self.subTest(words):
                self.assertEqual(complete("ticket-cli", *words), expected)

    def test_ticket_cli_offers_templates_for_a_template(self):
        corpus = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "hostile")
        offered = complete("ticket-cli", "dump", "tr", cwd=corpus)
        self.assertEqual(offered, ["truncated.vt"])

    def test_ticket_printer_emu_completes_modes_options_and_the_live_command(self):
        cases = [
            (("d",), ["decode"]),
            (("live", "--st"), ["--status", "--stream-out"]),
            (("decode", "x.bin", "--st"), []),
            (("live", "--status", "0x3"), ["0x30", "0x38"]),
            (("live", "--", "ticket-cl"), ["ticket-cli"]),
            (("live", "-o", "out", "ticket-cli", "--"), []),
        ]
        for words, expected in cases:
            with self.subTest(words):
                self.assertEqual(complete("ticket-printer-emu", *words), expected)


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    assert header[:8] == b"\x89PNG\r\n\x1a\n", path
    return struct.unpack(">II", header[16:24])


class DesktopFiles(unittest.TestCase):
    def test_validators_accept_the_desktop_entry_metainfo_and_mime_type(self):
        checks = [
            [tool("desktop-file-validate"), DESKTOP],
            [tool("appstreamcli"), "validate", "--no-net", METAINFO],
            [tool("xmllint"), "--noout", METAINFO, MIME, os.path.join(ICONS, "scalable", "apps",
                                                                      "ticket-designer.svg")],
        ]
        for command in checks:
            with self.subTest(os.path.basename(command[0])):
                result = run(*command)
                self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_one_main_category_keywords_and_the_template_type(self):
        entry = configparser.RawConfigParser(strict=True)
        entry.optionxform = str
        entry.read(DESKTOP, encoding="utf-8")
        desktop = entry["Desktop Entry"]
        categories = [c for c in desktop["Categories"].split(";") if c]
        self.assertEqual(len(MAIN_CATEGORIES.intersection(categories)), 1, categories)
        self.assertTrue(desktop["Keywords"] and desktop["Keywords[zh_CN]"])
        mime = ET.parse(MIME).getroot()
        namespace = "{http://www.freedesktop.org/standards/shared-mime-info}"
        kind = mime.find(namespace + "mime-type")
        self.assertEqual(desktop["MimeType"], kind.get("type") + ";")
        comments = {c.get("{http://www.w3.org/XML/1998/namespace}lang"): c.text
                    for c in kind.findall(namespace + "comment")}
        self.assertEqual(set(comments), {None, "zh_CN"})
        self.assertTrue(os.path.exists(os.path.join(ICONS, "scalable", "mimetypes",
                                                    kind.get("type").replace("/", "-") + ".svg")))

    def test_the_icon_in_every_size_needs_no_font(self):
        svg = os.path.join(ICONS, "scalable", "apps", "ticket-designer.svg")
        self.assertEqual(ET.parse(svg).getroot().findall(".//{http://www.w3.org/2000/svg}text"), [])
        for size in (48, 128):
            with self.subTest(size):
                self.assertEqual(png_size(os.path.join(ICONS, f"{size}x{size}", "apps", "ticket-designer.png")),
                                 (size, size))

    def test_the_metainfo_names_the_desktop_entry_and_a_screenshot(self):
        component = ET.parse(METAINFO).getroot()
        self.assertEqual(component.findtext("launchable"), os.path.basename(DESKTOP))
        image = component.findtext("screenshots/screenshot/image")
        self.assertRegex(image, r"^https://.*/designer\.png$")


if __name__ == "__main__":
    unittest.main(verbosity=2)
