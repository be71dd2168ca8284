#!/usr/bin/env python3
"""The designer on a real X server: an operator places, drags, undoes and
saves, and the saved template holds what the window showed."""
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


def dump(path):
    result = subprocess.run([CLI, "dump", path, "--json"], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        raise AssertionError(result.stderr)
    return json.loads(result.stdout)


class EditingOnX(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="designer-edit-")
        self.addCleanup(shutil.rmtree, self.dir, True)
        self.template = os.path.join(self.dir, "ticket.vt")
        subprocess.run([CLI, "new", self.template], check=True, timeout=60)
        self.session = DesignerSession(DESIGNER, self.template)
        self.addCleanup(self.session.close)

    def test_place_drag_undo_redo_and_save(self):
        s = self.session
        s.click(s.tool(TEXT_TOOL))
        s.click(s.page(100, 100))
        s.wait_for(lambda layout: layout["selected"] == 1)
        # The new text is selected: drag it by its body 50 px right and down.
        s.drag(s.page(130, 115), s.page(180, 165))
        s.key("ctrl+z")
        s.key("ctrl+y")
        saved = os.stat(self.template).st_mtime_ns
        s.key("ctrl+s")
        self.assertTrue(wait_until_changed(self.template, saved), "Ctrl+S did not save")

        elements = dump(self.template)["elements"]
        self.assertEqual(len(elements), 1)
        text = elements[0]
        self.assertEqual(text["kind"], TEXT_TOOL)
        self.assertEqual(text["pos"], [150, 150, 210, 180])

        # One more undo and a save: the text is back where it was placed.
        s.key("ctrl+z")
        saved = os.stat(self.template).st_mtime_ns
        s.key("ctrl+s")
        self.assertTrue(wait_until_changed(self.template, saved))
        self.assertEqual(dump(self.template)["elements"][0]["pos"], [100, 100, 160, 130])


if __name__ == "__main__":
    unittest.main()
