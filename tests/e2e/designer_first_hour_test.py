#!/usr/bin/env python3
"""What a new operator meets in the first hour, on a real X server: a time
field placed by a click passes the check and prints whole on the emulated
printer; closing during the print preview leaves the bars and panes for the
next start; a paper width the printer has no paper for is refused."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from designer_session import DesignerSession, wait_until_changed

DESIGNER, CLI, EMULATOR = sys.argv.pop(1), sys.argv.pop(1), sys.argv.pop(1)
HERE = os.path.dirname(os.path.abspath(__file__))
TIME_TOOL = 107
PAPER_WIDTH_ROW = "5"
BARS = ("menu", "standard", "form_edit", "toolbox", "properties")


def run(*args, timeout=60):
    return subprocess.run(args, capture_output=True, text=True, timeout=timeout)


class FirstHourOnX(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="designer-first-hour-")
        self.addCleanup(shutil.rmtree, self.dir, True)
        self.template = os.path.join(self.dir, "ticket.vt")
        subprocess.run([CLI, "new", self.template, "--paper", "58"], check=True, timeout=60)

    def session(self, **env):
        session = DesignerSession(DESIGNER, self.template, extra_env=env)
        self.addCleanup(session.close)
        return session

    def save(self, s):
        saved = os.stat(self.template).st_mtime_ns
        s.key("ctrl+s")
        self.assertTrue(wait_until_changed(self.template, saved), "Ctrl+S did not save")

    def test_a_time_field_placed_by_a_click_prints_whole(self):
        s = self.session()
        s.click(s.tool(TIME_TOOL))
        s.click(s.page(60, 200))
        s.wait_for(lambda layout: layout["selected"] == 1)
        s.key("F7")
        s.wait_for(lambda layout: layout["status"]["message"] == "Template check: no findings.")
        self.save(s)
        s.close()

        checked = run(CLI, "check", self.template, "--json")
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        self.assertEqual(json.loads(checked.stdout)["findings"], [])
        # The designer uploads it; the printer, filling it with its widest
        # value, cuts nothing off.
        out = os.path.join(self.dir, "printer")
        result = run(EMULATOR, "live", "-o", out, "--worst-case", "--", sys.executable,
                     os.path.join(HERE, "printer_driver.py"), DESIGNER, self.template, "upload", timeout=150)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        with open(os.path.join(out, "state.txt")) as f:
            state = f.read()
        line = next(l for l in state.splitlines() if l.startswith("widest time field 0:"))
        self.assertTrue(line.endswith(", fits"), line)

    def test_closing_during_the_preview_keeps_the_bars_for_the_next_start(self):
        # A window manager gives the window its close key, as on a desktop.
        manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.addCleanup(manager.kill)
        time.sleep(0.5)
        config = os.path.join(self.dir, "config")
        s = self.session(XDG_CONFIG_HOME=config)
        s.wait_for(lambda layout: all(layout["shown"][bar] for bar in BARS))
        s.click(s.page(300, 400))
        # File > Print Preview, from the keyboard: Alt+F, V.
        s.key("alt+f")
        s.key("v")
        s.wait_for(lambda layout: not layout["shown"]["toolbox"] and not layout["shown"]["menu"])
        s.key("alt+F4")
        s.process.wait(20)

        again = self.session(XDG_CONFIG_HOME=config)
        again.wait_for(lambda layout: all(layout["shown"][bar] for bar in BARS))

    def test_a_typed_paper_width_other_than_58_or_80_is_refused(self):
        s = self.session()
        s.click(s.page(300, 400))  # the page itself
        layout = s.wait_for(lambda l: PAPER_WIDTH_ROW in l["rows"])
        for typed in ("70", "80"):
            s.click(tuple(layout["rows"][PAPER_WIDTH_ROW]))
            s.key("F2")
            s.key("ctrl+a")
            s.type(typed)
            s.key("Return")
            if typed == "70":
                s.wait_for(lambda l: l["note"].startswith("Paper width must be 58 or 80 mm"))
        s.wait_for(lambda l: l["note"] == "")
        s.move_to(s.page(300, 540))
        self.save(s)
        form = json.loads(run(CLI, "dump", self.template, "--json").stdout)["form"]
        self.assertEqual(form["model"], "80")


if __name__ == "__main__":
    unittest.main()
