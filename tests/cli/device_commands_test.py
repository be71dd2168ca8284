#!/usr/bin/env python3
"""ticket-cli's device commands against the printer emulator's live printer."""
import json
import os
import subprocess
import sys
import tempfile
import unittest

CLI = sys.argv.pop(1)
EMU = sys.argv.pop(1)


def live(*command, status="0x18", out=None):
    args = [EMU, "live", "--status", status]
    if out:
        args += ["-o", out]
    return subprocess.run([*args, "--", *command], capture_output=True, text=True, timeout=60)


class DeviceCommands(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def test_set_clock_arrives_as_the_given_clock_value(self):
        out = os.path.join(self.dir.name, "out")
        result = live(CLI, "set-clock", "--at", "2024-03-01 00:00:00", out=out)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("Successfully write data!", result.stdout)
        self.assertIn("3/3", result.stderr)
        with open(os.path.join(out, "template.json"), encoding="utf-8") as f:
            state = json.load(f)
        self.assertEqual(state["clock"]["value"], 1709251200)
        self.assertEqual(state["transactions"], 1)

    def test_set_clock_without_at_takes_the_moment_of_the_command(self):
        out = os.path.join(self.dir.name, "out")
        before = subprocess.run(["date", "+%Y-%m-%d %H:%M"], capture_output=True, text=True).stdout.strip()
        result = live(CLI, "set-clock", out=out)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(os.path.join(out, "template.json"), encoding="utf-8") as f:
            text = json.load(f)["clock"]["text"]
        after = subprocess.run(["date", "+%Y-%m-%d %H:%M"], capture_output=True, text=True).stdout.strip()
        self.assertIn(text[:16], (before, after))

    def test_status_shows_the_printer_status_text(self):
        for status, text in (("0x18", "Printer Status is normal"), ("0x38", "Paper empty"),
                             ("0x30", "Printer has error")):
            result = live(CLI, "status", status=status)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertIn(text, result.stdout)

    def test_no_printer_busy_printer_and_bad_time_have_their_own_exit_statuses(self):
        result = subprocess.run([CLI, "status", "--device", os.path.join(self.dir.name, "lp9")],
                                capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 4)
        self.assertIn("no printer", result.stderr)

        result = live("sh", "-c", f'exec 3>/dev/usb/lp0; flock 3; "{CLI}" set-clock')
        self.assertEqual(result.returncode, 5, result.stderr)
        self.assertIn("printer busy", result.stderr)

        result = subprocess.run([CLI, "set-clock", "--at", "soon"], capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 1)


if __name__ == "__main__":
    unittest.main()
