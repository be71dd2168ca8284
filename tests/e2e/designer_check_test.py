#!/usr/bin/env python3
"""The designer on a real X server: an operator places a text half in the
margin, checks the template with F7, double-clicks the finding to get the
element, moves it with the keys and the mouse into the printable area, and
saves; the check then finds nothing about it."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from designer_session import DesignerSession, wait_until_changed

DESIGNER, CLI = sys.argv.pop(1), sys.argv.pop(1)
TEXT_TOOL = 103
TEXT_ROW = "13"  # shown only while a text element is the selection


def run_cli(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60)


class CheckOnX(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="designer-check-")
        self.addCleanup(shutil.rmtree, self.dir, True)
        self.template = os.path.join(self.dir, "ticket.vt")
        subprocess.run([CLI, "new", self.template], check=True, timeout=60)
        self.session = DesignerSession(DESIGNER, self.template)
        self.addCleanup(self.session.close)

    def test_find_the_element_of_a_finding_and_mend_it(self):
        s = self.session
        s.click(s.tool(TEXT_TOOL))
        # Top-left corner of the page: inside both margins.
        s.click(s.page(4, 4))
        s.wait_for(lambda layout: TEXT_ROW in layout["rows"])
        # A click on the empty page selects the page itself.
        s.click(s.page(300, 400))
        s.wait_for(lambda layout: TEXT_ROW not in layout["rows"])

        s.key("F7")
        layout = s.wait_for(lambda l: any(f["element"] == 0 and "at" in f for f in l.get("findings", [])))
        finding = next(f for f in layout["findings"] if f["element"] == 0)
        self.assertTrue(layout["status"]["message"].startswith("Template check:"), layout["status"])

        # A double-click on the finding selects the element and hands the
        # keyboard to the page: the arrows move it.
        s.move_to(finding["at"])
        s.xdotool("click", "--repeat", "2", "--delay", "80", 1)
        s.wait_for(lambda l: TEXT_ROW in l["rows"])
        s.key("Right", "Right", "Down")
        s.drag(s.page(30, 20), s.page(90, 110))

        # The open pane follows the template on its own.
        s.wait_for(lambda l: not any(f["element"] == 0 for f in l.get("findings", [])))
        saved = os.stat(self.template).st_mtime_ns
        s.key("ctrl+s")
        self.assertTrue(wait_until_changed(self.template, saved), "Ctrl+S did not save")
        elements = json.loads(run_cli("dump", self.template, "--json").stdout)["elements"]
        self.assertEqual(len(elements), 1)
        self.assertEqual(elements[0]["pos"], [66, 95, 126, 125])
        checked = run_cli("check", self.template, "--json")
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)


if __name__ == "__main__":
    unittest.main()
