#!/usr/bin/env python3
"""The property grid on a real X server: an operator changes a text's font
size and position in the grid, saves, undoes both and saves again."""
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
POS_ROW, FONT_ROW = "1", "2"


def dump(path):
    result = subprocess.run([CLI, "dump", path, "--json"], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        raise AssertionError(result.stderr)
    return json.loads(result.stdout)["elements"]


class PropertiesOnX(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="designer-props-")
        self.addCleanup(shutil.rmtree, self.dir, True)
        self.template = os.path.join(self.dir, "ticket.vt")
        subprocess.run([CLI, "new", self.template], check=True, timeout=60)
        self.session = DesignerSession(DESIGNER, self.template)
        self.addCleanup(self.session.close)

    def save(self):
        saved = os.stat(self.template).st_mtime_ns
        self.session.key("ctrl+s")
        self.assertTrue(wait_until_changed(self.template, saved), "Ctrl+S did not save")
        return dump(self.template)

    def test_font_size_and_position_through_the_grid_then_undo(self):
        s = self.session
        s.click(s.tool(TEXT_TOOL))
        s.click(s.page(100, 100))
        layout = s.wait_for(lambda layout: POS_ROW in layout["rows"] and FONT_ROW in layout["buttons"])
        placed = self.save()[0]

        # The font row's button: the height field has the focus.
        s.click(tuple(layout["buttons"][FONT_ROW]))
        s.key("ctrl+a")
        s.type("40")
        s.key("Return")
        # The position as the four numbers of the Pos row.
        s.click(tuple(layout["rows"][POS_ROW]))
        s.key("F2")
        s.key("ctrl+a")
        s.type("200,250,300,290")
        s.key("Return")
        text = self.save()[0]
        self.assertEqual(text["font"]["height"], -40)
        self.assertEqual(text["pos"], [200, 250, 300, 290])

        s.move_to(s.page(300, 540))
        s.key("ctrl+z", "ctrl+z")
        text = self.save()[0]
        self.assertEqual(text["font"], placed["font"])
        self.assertEqual(text["pos"], [100, 100, 160, 130])


if __name__ == "__main__":
    unittest.main()
