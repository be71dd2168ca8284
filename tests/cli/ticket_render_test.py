#!/usr/bin/env python3
"""ticket-cli render --mode ticket draws the ticket bit for bit as the emulated
printer prints it from the template's upload, for every sample and a table
of values."""
import filecmp
import os
import subprocess
import sys
import tempfile
import unittest

CLI, EMU, SAMPLES = sys.argv[1:4]
del sys.argv[1:4]

VALUES = [
    [],  # the defaults both share: ticket 1, 2024-03-01 08:30:00
    ["--ticket", "9999", "--waiting", "99", "--serving", "9998", "--time", "2024-12-31 23:59:59"],
    ["--ticket", "10000", "--waiting", "0", "--time", "2025-01-01 00:00:00"],  # past the ending number
    ["--ticket", "0", "--serving", "65535"],
    ["--worst-case"],
]


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=120)


class TicketRender(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.addCleanup(self.work.cleanup)

    def test_every_sample_and_value_as_the_printer_prints_it(self):
        samples = sorted(n for n in os.listdir(SAMPLES) if n.endswith(".vt"))
        self.assertGreaterEqual(len(samples), 4)
        for name in samples:
            path = os.path.join(SAMPLES, name)
            stream = os.path.join(self.work.name, name + ".bin")
            result = run(CLI, "encode", "upload", path, "-o", stream)
            self.assertEqual(result.returncode, 0, result.stderr)
            pictures = set()
            for i, values in enumerate(VALUES):
                with self.subTest(sample=name, values=values):
                    ours = os.path.join(self.work.name, f"{name}-{i}.png")
                    result = run(CLI, "render", path, "--mode", "ticket", "-o", ours, *values)
                    self.assertEqual(result.returncode, 0, result.stderr)
                    printer = os.path.join(self.work.name, f"{name}-{i}")
                    result = run(EMU, "decode", stream, "-o", printer, *values)
                    self.assertEqual(result.returncode, 0, result.stderr)
                    self.assertTrue(filecmp.cmp(ours, os.path.join(printer, "ticket.png"), shallow=False))
                    with open(ours, "rb") as f:
                        pictures.add(f.read())
            # The values reach the ticket: not every picture is the same.
            self.assertGreater(len(pictures), 1, name)

    def test_values_go_with_the_ticket_mode_and_must_be_the_printers(self):
        path = os.path.join(SAMPLES, "minimal-58mm.vt")
        out = os.path.join(self.work.name, "t.png")
        for args in (["--mode", "device", "--ticket", "5"], ["--mode", "ticket", "--ticket", "-1"],
                     ["--mode", "ticket", "--ticket", "65536"], ["--mode", "ticket", "--time", "tomorrow"],
                     ["--mode", "ticket", "--worst-case", "--ticket", "3"]):
            with self.subTest(args=args):
                result = run(CLI, "render", path, "-o", out, *args)
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertTrue(result.stderr.startswith("ticket-cli: "), result.stderr)
                self.assertFalse(os.path.exists(out))


if __name__ == "__main__":
    unittest.main(verbosity=2)
