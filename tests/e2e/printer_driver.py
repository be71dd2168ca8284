#!/usr/bin/env python3
"""Run by the printer emulator's `live` (so that the designer finds the emulated
printer): starts the designer on a template and gives its printer commands
with the mouse, one after the other, each once the last has been written
(only the upload when the third argument is "upload")."""
import sys

from designer_session import DesignerSession

UPLOAD_DATA, UPLOAD_TEST_PAGE, SET_DEVICE_TIME = 32816, 32815, 32822
# Each command says in its own words that it went through.
SUCCESS = {UPLOAD_DATA: "Template sent to the printer.", SET_DEVICE_TIME: "Printer clock set.",
           UPLOAD_TEST_PAGE: "Test page sent to the printer."}


def main(designer, template, only_upload=""):
    session = DesignerSession(designer, template)
    commands = (UPLOAD_DATA,) if only_upload == "upload" else (UPLOAD_DATA, SET_DEVICE_TIME, UPLOAD_TEST_PAGE)
    try:
        session.wait_for(lambda layout: layout["status"]["printer"] == "Printer Status is normal")
        for count, command in enumerate(commands, start=1):
            session.wait_for(lambda layout: str(command) in layout["commands"])
            session.click(tuple(session.layout["commands"][str(command)]))
            session.wait_for(lambda layout: layout["status"]["transfers"] == count
                             and not layout["status"]["running"] and layout["status"]["message"] == SUCCESS[command])
    finally:
        session.close()
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
