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


def live(*command, status="0x18", out=None, rate=None):
    args = [EMU, "live", "--status", status]
    if out:
        args += ["-o", out]
    if rate:
        args += ["--rate", str(rate)]
    return subprocess.run([*args, "--", *command], capture_output=True, text=True, timeout=60)


class DeviceCommands(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def test_set_clock_arrives_as_the_given_clock_value(self):
        out = os.path.join(self.dir.name, "out")
        result = live(CLI, "set-clock", "--at", "2024-03-01 00:00:00", out=out)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("Data sent to the printer.", result.stdout)
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

    def test_a_slow_printer_that_keeps_taking_data_is_not_given_up(self):
        # An 80 mm page is about 90 kB: at 30 kB a second the printer takes
        # about three seconds, but never a second without data.
        template = os.path.join(self.dir.name, "wide.vt")
        self.assertEqual(subprocess.run([CLI, "new", template, "--paper", "80"], timeout=60).returncode, 0)
        out = os.path.join(self.dir.name, "out")
        result = live(CLI, "print", template, "--timeout", "1", out=out, rate=30000)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("Data sent to the printer.", result.stdout)
        with open(os.path.join(out, "state.txt"), encoding="utf-8") as f:
            self.assertIn("printed image: 560 x", f.read())

    def test_a_printer_that_stops_taking_data_fails_the_transfer(self):
        # A printer that takes 100 bytes a second after its buffer is full.
        template = os.path.join(self.dir.name, "wide.vt")
        self.assertEqual(subprocess.run([CLI, "new", template, "--paper", "80"], timeout=60).returncode, 0)
        result = live(CLI, "print", template, "--timeout=1", rate=100)
        self.assertEqual(result.returncode, 6, result.stderr)
        self.assertIn("the printer took no data for 1 seconds", result.stderr)

    def test_no_printer_busy_printer_and_bad_time_have_their_own_exit_statuses(self):
        result = subprocess.run([CLI, "status", "--device", os.path.join(self.dir.name, "lp9")],
                                capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 4)
        self.assertIn("no printer", result.stderr)

        result = live("sh", "-c", f'exec 3>/dev/usb/lp0; flock 3; "{CLI}" set-clock')
        self.assertEqual(result.returncode, 5, result.stderr)
        self.assertIn("printer busy", result.stderr)

        for bad in (["--at", "soon"], ["--timeout", "0"], ["--timeout", "1.5"], ["--device"]):
            result = subprocess.run([CLI, "set-clock", *bad], capture_output=True, text=True, timeout=60)
            self.assertEqual(result.returncode, 1, bad)
            self.assertTrue(result.stderr.startswith("ticket-cli: "), result.stderr)


if __name__ == "__main__":
    unittest.main()
