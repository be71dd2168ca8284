#!/usr/bin/env python3
"""Two designers on one X display: elements copied in one are pasted into the
other through the real X clipboard, and the saved template holds them."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

from designer_session import DesignerSession, wait_until_changed

DESIGNER, CLI = sys.argv.pop(1), sys.argv.pop(1)
TEXT, RECTANGLE = 103, 110

SOURCE = """<?xml version="1.0" encoding="utf-8" standalone="yes" ?>
<Window>
\t<Form width="464" height="580" printpadding="5,10,5,10" dpi="203.2,406.4" model="58">
\t\t<TextEdit text="Welcome" float="true" pos="40,40,0,0" width="160" height="40" />
\t\t<QueuingNum float="true" pos="40,120,0,0" width="160" height="50" num_length="3" />
\t\t<Rectangle bordersize="2" float="true" pos="250,40,0,0" width="150" height="60" />
\t</Form>
</Window>
"""


def dump(path):
    result = subprocess.run([CLI, "dump", path, "--json"], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        raise AssertionError(result.stderr)
    return json.loads(result.stdout)


class ClipboardOnX(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="designer-clipboard-")
        self.addCleanup(shutil.rmtree, self.dir, True)
        self.source = os.path.join(self.dir, "source.vt")
        with zipfile.ZipFile(self.source, "w", zipfile.ZIP_DEFLATED) as archive:
            archive.writestr("skin.xml", SOURCE)
        self.target = os.path.join(self.dir, "target.vt")
        subprocess.run([CLI, "new", self.target], check=True, timeout=60)

    def test_copy_in_one_designer_and_paste_in_another(self):
        source = DesignerSession(DESIGNER, self.source)
        self.addCleanup(source.close)
        # A band over the whole page picks all three elements.
        source.drag(source.page(2, 2), source.page(450, 300))
        source.wait_for(lambda layout: layout["selected"] == 3)
        source.key("ctrl+c")
        # The ticket number is not copied and leaves the selection.
        source.wait_for(lambda layout: layout["selected"] == 2)

        # The second window opens on top of the first, which keeps the
        # clipboard. The first still has the keyboard: a click on the page
        # of the second takes it (and selects the page, where pastes go).
        target = DesignerSession(DESIGNER, self.target)
        self.addCleanup(target.close)
        target.click(target.page(300, 540))
        target.wait_for(lambda layout: layout["selected"] == 1)
        target.key("ctrl+v")
        target.wait_for(lambda layout: layout["selected"] == 2)
        saved = os.stat(self.target).st_mtime_ns
        target.key("ctrl+s")
        self.assertTrue(wait_until_changed(self.target, saved), "Ctrl+S did not save")

        elements = dump(self.target)["elements"]
        self.assertEqual([e["kind"] for e in elements], [TEXT, RECTANGLE])
        self.assertEqual(elements[0]["pos"], [50, 50, 210, 90])
        self.assertEqual(elements[1]["pos"], [260, 50, 410, 110])
        # The source template is as it was: a copy changes nothing.
        self.assertEqual(len(dump(self.source)["elements"]), 3)


if __name__ == "__main__":
    unittest.main()
