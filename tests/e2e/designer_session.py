"""A designer running on an X display, driven with xdotool as a person would:
the real mouse and keyboard through the X server's test extension."""
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time


class DesignerSession:
    """Starts the designer on a template and waits until its window reports
    where its parts are (--layout-report)."""

    def __init__(self, designer, template, extra_env=None):
        self.work = tempfile.mkdtemp(prefix="designer-x-")
        self.report = os.path.join(self.work, "layout.json")
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(self.work, "config"),
                   TICKET_LOG_DIR=os.path.join(self.work, "log"))
        env.pop("QT_QPA_PLATFORM", None)
        env.update(extra_env or {})
        self.log = open(os.path.join(self.work, "designer.log"), "w")
        self.process = subprocess.Popen([designer, "--layout-report", self.report, template], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self.layout = self.wait_for(lambda layout: "tools" in layout and layout["tools"])
        # Without a window manager, keys go to the window under the pointer
        # until a window takes the keyboard; a click gives it to this one.
        self.move_to(self.page(300, 540))

    def close(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
        self.log.close()
        shutil.rmtree(self.work, ignore_errors=True)

    def read_layout(self):
        try:
            with open(self.report) as f:
                return json.load(f)
        except (OSError, ValueError):
            return {}

    def wait_for(self, condition, timeout=20):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if self.process.poll() is not None:
                raise RuntimeError("the designer ended: %s" % open(self.log.name).read())
            layout = self.read_layout()
            if layout and condition(layout):
                self.layout = layout
                return layout
            time.sleep(0.05)
        raise TimeoutError("the designer's window did not get there: %s" % self.read_layout())

    def page(self, x, y):
        """Screen position of a page point."""
        ox, oy = self.layout["page_origin"]
        return ox + x, oy + y

    def tool(self, tool_id):
        return tuple(self.layout["tools"][str(tool_id)])

    @staticmethod
    def xdotool(*args):
        subprocess.run(["xdotool", *map(str, args)], check=True, timeout=10)

    def move_to(self, point):
        self.xdotool("mousemove", *point)
        time.sleep(0.05)

    def click(self, point):
        self.move_to(point)
        self.xdotool("click", 1)
        time.sleep(0.15)

    def drag(self, start, end, steps=8):
        self.move_to(start)
        self.xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            self.move_to((start[0] + (end[0] - start[0]) * i // steps, start[1] + (end[1] - start[1]) * i // steps))
        self.xdotool("mouseup", 1)
        time.sleep(0.15)

    def key(self, *keys):
        self.xdotool("key", "--delay", "60", *keys)
        time.sleep(0.15)

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)
        time.sleep(0.1)


def wait_until_changed(path, old_mtime, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if os.path.exists(path) and os.stat(path).st_mtime_ns != old_mtime:
            return True
        time.sleep(0.05)
    return False
