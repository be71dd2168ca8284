#!/usr/bin/env python3
"""ticket-cli and ticket-printer-emu read their command lines as Linux tools do:
help and version, "--name=value", "--" ending the options, "-" for standard
output, clear errors and exit statuses scripts can tell apart.
Usage: command_line_test.py INSTALLED_TICKET_CLI INSTALLED_TICKET_PRINTER_EMU"""
import os
import re
import stat
import subprocess
import sys
import tempfile
import unittest
import zipfile

CLI = sys.argv.pop(1)
EMU = sys.argv.pop(1)
DESIGNER = os.path.join(os.path.dirname(CLI), "ticket-designer")

COMMANDS = {
    # command: options its help lists
    "check": ["--json"],
    "dump": ["--json"],
    "new": ["--paper"],
    "render": ["-o, --output", "--mode"],
    "save": [],
    "encode": ["-o, --output", "--buffer-sizes", "--at"],
    "upload": ["--device", "--timeout"],
    "print": ["--device", "--timeout"],
    "set-clock": ["--at", "--device", "--timeout"],
    "status": ["--device"],
}

MARKUP = ('<Window><Form width="464" height="580" model="58">'
          '<QueuingNum float="true" pos="100,100,0,0" width="200" height="60" num_length="3" />'
          '</Form></Window>')


def run(*args, program=CLI, env=None, **kwargs):
    return subprocess.run([program, *args], capture_output=True, text=True, timeout=60, env=env, **kwargs)


class Scratch(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.template = self.path("ticket.vt")
        with zipfile.ZipFile(self.template, "w") as archive:
            archive.writestr("skin.xml", MARKUP)

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def assertUsageError(self, result, status=1, program="ticket-cli"):
        self.assertEqual(result.returncode, status, result.stderr)
        self.assertEqual(result.stdout, "")
        self.assertTrue(result.stderr.startswith(program + ": "), result.stderr)
        self.assertIn("--help", result.stderr)


class CliHelpAndVersion(Scratch):
    def test_help_lists_every_command_and_exit_status_on_standard_output(self):
        for args in (["--help"], ["-h"], ["help"]):
            with self.subTest(args):
                result = run(*args)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertTrue(result.stdout.startswith("Usage: ticket-cli COMMAND"), result.stdout)
                for command in COMMANDS:
                    self.assertRegex(result.stdout, r"\n  %s " % re.escape(command))
                for status in range(8):
                    self.assertRegex(result.stdout, r"\n  %d  \w" % status)

    def test_every_command_has_its_own_help(self):
        for command, options in COMMANDS.items():
            for args in ([command, "--help"], ["help", command], [command, "x.vt", "-h"]):
                with self.subTest(args):
                    result = run(*args)
                    self.assertEqual(result.returncode, 0, result.stderr)
                    self.assertTrue(result.stdout.startswith(f"Usage: ticket-cli {command} "), result.stdout)
                    for option in options + ["-h, --help", "--version"]:
                        self.assertIn("  " + option, result.stdout)

    def test_one_version_for_all_three_programs(self):
        versions = set()
        for program, args in ((CLI, ["--version"]), (CLI, ["dump", "--version"]), (EMU, ["--version"]),
                              (DESIGNER, ["--version"])):
            result = run(*args, program=program)
            self.assertEqual(result.returncode, 0, result.stderr)
            name, version = result.stdout.strip().split(" ")
            self.assertEqual(name, os.path.basename(program))
            self.assertRegex(version, r"^\d+\.\d+(\.\d+)?$")
            versions.add(version)
        self.assertEqual(len(versions), 1, versions)


class CliOptionSyntax(Scratch):
    def test_options_take_their_values_joined_or_apart_anywhere(self):
        for args in (["--paper=80", "{out}"], ["--paper", "80", "{out}"], ["{out}", "--paper", "80"]):
            with self.subTest(args):
                out = self.path("new.vt")
                result = run("new", *(a.format(out=out) for a in args))
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertIn('"model": "80"', run("dump", out, "--json").stdout)
        streams = set()
        a, b, c = self.path("a.bin"), self.path("b.bin"), self.path("c.bin")
        for args, out in ((["-o", a], a), (["-o" + b], b), (["--output=" + c], c)):
            with self.subTest(args):
                result = run("encode", *args, "clock", "--at=2024-03-01 00:00:00")
                self.assertEqual(result.returncode, 0, result.stderr)
                with open(out, "rb") as f:
                    streams.add(f.read())
        self.assertEqual(len(streams), 1)

    def test_double_dash_ends_the_options(self):
        os.rename(self.template, self.path("-odd.vt"))
        result = run("dump", "--json", "--", "-odd.vt", cwd=self.dir.name)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn('"QueuingNumUI"', result.stdout)
        self.assertUsageError(run("dump", "-odd.vt", cwd=self.dir.name))

    def test_a_dash_writes_the_single_output_to_standard_output(self):
        piped = subprocess.run([CLI, "encode", "upload", self.template, "-o", "-"], capture_output=True,
                               timeout=60)
        self.assertEqual(piped.returncode, 0, piped.stderr)
        sizes = run("encode", "upload", self.template, "-o", self.path("u.bin"), "--buffer-sizes", "-")
        self.assertEqual(sizes.returncode, 0, sizes.stderr)
        with open(self.path("u.bin"), "rb") as f:
            stream = f.read()
        self.assertEqual(piped.stdout, stream)
        self.assertEqual(sum(int(line) for line in sizes.stdout.split()), len(stream))
        self.assertUsageError(run("encode", "upload", self.template, "-o", "-", "--buffer-sizes", "-"))

    def test_bad_arguments_say_why_on_standard_error_with_status_1(self):
        cases = [
            [],
            ["frobnicate"],
            ["--bogus"],
            ["dump"],
            ["dump", self.template, "--bogus"],
            ["dump", self.template, "--json=yes"],
            ["dump", self.template, self.template],
            ["render", self.template, "-o"],
            ["render", self.template],
            ["render", self.template, "-o", self.path("x.png"), "--mode", "sepia"],
            ["new", self.path("x.vt"), "--paper", "70"],
            ["encode", "clock", self.template, "-o", self.path("x.bin")],
            ["encode", "upload", self.template, "--at", "2024-03-01 00:00:00", "-o", self.path("x.bin")],
            ["encode", "bogus", self.template, "-o", self.path("x.bin")],
            ["upload", self.template, "--timeout", "soon"],
            ["save", self.template],
        ]
        for args in cases:
            with self.subTest(args):
                self.assertUsageError(run(*args))
        self.assertFalse(os.path.exists(self.path("x.png")) or os.path.exists(self.path("x.bin")))

    def test_a_full_standard_output_is_a_failed_write(self):
        with open("/dev/full", "w") as full:
            result = subprocess.run([CLI, "dump", self.template], stdout=full, stderr=subprocess.PIPE, text=True,
                                    timeout=60)
        self.assertEqual(result.returncode, 3, result.stderr)
        self.assertIn("standard output", result.stderr)


class CliRuntimeFolder(Scratch):
    """Without $XDG_RUNTIME_DIR the tool uses TMPDIR/runtime-UID, but only its own."""

    def run_without_session(self):
        env = {k: v for k, v in os.environ.items() if k != "XDG_RUNTIME_DIR"}
        env["TMPDIR"] = self.dir.name
        result = run("dump", self.template, env=env)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result

    def runtime(self):
        return self.path("runtime-%d" % os.getuid())

    def test_a_missing_folder_is_made_private(self):
        result = self.run_without_session()
        info = os.lstat(self.runtime())
        self.assertTrue(stat.S_ISDIR(info.st_mode))
        self.assertEqual(stat.S_IMODE(info.st_mode), 0o700)
        self.assertNotIn("XDG_RUNTIME_DIR", result.stderr)

    def test_a_link_or_an_open_folder_is_left_alone(self):
        elsewhere = self.path("elsewhere")
        os.mkdir(elsewhere)
        os.chmod(elsewhere, 0o755)
        os.symlink(elsewhere, self.runtime())
        self.run_without_session()
        self.assertTrue(os.path.islink(self.runtime()))
        self.assertEqual(stat.S_IMODE(os.stat(elsewhere).st_mode), 0o755, "the link's target was changed")

        os.remove(self.runtime())
        os.mkdir(self.runtime())
        os.chmod(self.runtime(), 0o755)
        self.run_without_session()
        self.assertEqual(stat.S_IMODE(os.lstat(self.runtime()).st_mode), 0o755)

    @unittest.skipUnless(os.geteuid() == 0, "making another user's folder needs root")
    def test_another_users_folder_is_not_used(self):
        os.mkdir(self.runtime(), 0o700)
        os.chown(self.runtime(), 65534, 65534)
        result = self.run_without_session()
        # Qt names the folder when it is handed one that is not the user's.
        self.assertNotIn(self.runtime(), result.stderr)
        self.assertEqual(os.lstat(self.runtime()).st_uid, 65534)


class CliLanguages(Scratch):
    def test_a_chinese_locale_gets_chinese_messages(self):
        env = dict(os.environ, LC_ALL="zh_CN.UTF-8")
        result = run("dump", self.path("missing.vt"), env=env)
        self.assertEqual(result.returncode, 2)
        self.assertIn("无法打开", result.stderr)
        self.assertIn("用法: ticket-cli", run("--help", env=env).stdout)
        self.assertIn("用法: ticket-printer-emu", run("--help", program=EMU, env=env).stdout)
        english = run("dump", self.path("missing.vt"), env=dict(os.environ, LC_ALL="de_DE.UTF-8"))
        self.assertIn("Cannot open", english.stderr)


def sample_ticket(out_dir):
    with open(os.path.join(out_dir, "ticket.png"), "rb") as f:
        return f.read()


class EmulatorCommandLine(Scratch):
    def setUp(self):
        super().setUp()
        self.stream = self.path("upload.bin")
        result = run("encode", "upload", self.template, "-o", self.stream)
        self.assertEqual(result.returncode, 0, result.stderr)

    def decode(self, *args):
        out = self.path("out-%d" % len(os.listdir(self.dir.name)))
        return run("decode", self.stream, "-o", out, *args, program=EMU), out

    def test_help_and_version_on_standard_output(self):
        for args in (["--help"], ["-h"], ["decode", "--help"], ["live", "--help"]):
            with self.subTest(args):
                result = run(*args, program=EMU)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertTrue(result.stdout.startswith("Usage: ticket-printer-emu decode"), result.stdout)
                for option in ("--stream-out", "--status", "--rate", "--ticket", "--time"):
                    self.assertIn("  " + option, result.stdout)
                for status in ("124", "125", "126", "127"):
                    self.assertIn("  %s  " % status, result.stdout)

    def test_numbers_are_decimal_whatever_their_leading_zeros(self):
        expected = {}
        for value in ("10", "8"):
            result, out = self.decode("--ticket", value)
            self.assertEqual(result.returncode, 0, result.stderr)
            expected[value] = sample_ticket(out)
        self.assertNotEqual(expected["10"], expected["8"])
        for args, value in ((["--ticket", "010"], "10"), (["--ticket=08"], "8"), (["--ticket", "0008"], "8")):
            with self.subTest(args):
                result, out = self.decode(*args)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(sample_ticket(out), expected[value])

    def test_bad_arguments_of_decode_exit_with_2(self):
        for args in ([], ["frobnicate"], ["decode", self.stream], ["decode", "-o", self.path("o")],
                     ["decode", self.stream, "-o", self.path("o"), "--ticket", "0x10"],
                     ["decode", self.stream, "-o", self.path("o"), "--ticket", "65536"],
                     ["decode", self.stream, "-o", self.path("o"), "--ticket", "-1"],
                     ["decode", self.stream, "-o", self.path("o"), "--time", "tomorrow"],
                     ["decode", self.stream, "-o", self.path("o"), "--status", "0x18"],
                     ["decode", self.stream, "-o", self.path("o"), "--bogus"]):
            with self.subTest(args):
                self.assertUsageError(run(*args, program=EMU), status=2, program="ticket-printer-emu")

    def test_decode_tells_a_faulty_stream_from_unreadable_files(self):
        with open(self.path("bad.bin"), "wb") as f:
            f.write(bytes([0x7E, 0x99, 0x00, 0x00]))
        result = run("decode", self.path("bad.bin"), "-o", self.path("bad"), program=EMU)
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertIn("offset 1", result.stderr)
        result = run("decode", self.path("none.bin"), "-o", self.path("none"), program=EMU)
        self.assertEqual(result.returncode, 3, result.stderr)
        result = run("decode", self.stream, "-o", "/dev/null/report", program=EMU)
        self.assertEqual(result.returncode, 3, result.stderr)


class EmulatorLiveStatuses(Scratch):
    def live(self, *args):
        return run("live", *args, program=EMU)

    def test_the_commands_status_is_passed_on_and_named(self):
        for code in (0, 1, 2, 7, 123):
            with self.subTest(code):
                result = self.live("--", "sh", "-c", "exit %d" % code)
                self.assertEqual(result.returncode, code, result.stderr)
                self.assertIn("sh exited with status %d" % code, result.stderr)
        result = self.live("sh", "-c", "kill -9 $$")
        self.assertEqual(result.returncode, 128 + 9, result.stderr)
        self.assertIn("killed by signal 9", result.stderr)

    def test_the_emulators_own_outcomes_keep_124_to_127(self):
        # The command succeeds, but what it wrote is no printer stream.
        result = self.live("--", "sh", "-c", r"printf '\176\231\000\000' > /dev/usb/lp0")
        self.assertEqual(result.returncode, 124, result.stderr)
        self.assertUsageError(self.live("--status", "0x100", "--", "true"), status=125,
                              program="ticket-printer-emu")
        self.assertUsageError(self.live("--rate", "0", "--", "true"), status=125, program="ticket-printer-emu")
        self.assertUsageError(self.live(), status=125, program="ticket-printer-emu")
        self.assertEqual(self.live("--stream-out", "/dev/null/s.bin", "--", "true").returncode, 125)
        self.assertEqual(self.live("--", self.template).returncode, 126)
        self.assertEqual(self.live("--", self.path("no-such-program")).returncode, 127)

    def test_the_port_status_is_read_in_hexadecimal_or_decimal(self):
        for status in ("0x38", "56"):
            result = self.live("--status", status, "--", CLI, "status")
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertIn("Paper empty", result.stdout)


if __name__ == "__main__":
    unittest.main(verbosity=2)
