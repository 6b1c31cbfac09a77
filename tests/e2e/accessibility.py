#!/usr/bin/python3
"""What a screen reader reads of the running program, over the real AT-SPI bus.

Run by accessibility.sh with the program up under its X server and the bus in its
environment. Drives the windows with xdotool as a keyboard user would, and reads each one
the way Orca does: the role and name of every control against a table, every text field's
name against the label that points at it, one focused object at a time, and the About box
as a dialog whose lines a reader reaches when it opens.
"""

import subprocess
import sys
import time

import pyatspi

VERSION = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def report(last=None):
    for failure in failures + ([last] if last else []):
        print(f"FAIL: {failure}", file=sys.stderr)
    sys.exit(1 if failures or last else 0)


def wait_for(find, what, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    report(f"gave up after {seconds}s waiting for {what}")


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tessorin":
            return app
    return None


def shown_window(title):
    app = program()
    for index in range(app.childCount if app else 0):
        child = app.getChildAtIndex(index)
        if (child is not None and child.name == title
                and child.getState().contains(pyatspi.STATE_SHOWING)):
            return child
    return None


def window(title):
    return wait_for(lambda: shown_window(title), f'window "{title}" on the bus')


# The role itself, not what at-spi2-core calls it: Debian 13's renamed the push button
# role "button" (its number, and what a reader does with it, stayed).
ROLE_NAMES = {pyatspi.ROLE_PUSH_BUTTON: "push button"}


def role_of(node):
    role = node.getRole()
    return ROLE_NAMES.get(role, role.value_nick.replace("-", " "))


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield child
            yield from descendants(child)


# Fillers and separators without a name are layout, which a reader passes over.
def controls(node):
    return sorted(
        (role_of(child), child.name)
        for child in descendants(node)
        if child.name or role_of(child) not in ("filler", "separator", "popup menu"))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    time.sleep(0.5)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "60", "--", text], check=True)


def focus_main():
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^Tessorin v{VERSION}$",
                    "windowfocus", "--sync"], check=True, capture_output=True)
    time.sleep(0.3)


def expect_controls(node, expected):
    got = controls(node)
    missing = sorted(set(expected) - set(got))
    extra = sorted(set(got) - set(expected))
    check(not missing and not extra,
          f'"{node.name}": missing {missing}, unexpected {extra}')


def expect_one_focus(node):
    def focused():
        return [f"{role_of(child)} {child.name!r}" for child in descendants(node)
                if child.getState().contains(pyatspi.STATE_FOCUSED)]

    wait_for(focused, f'a focused object in "{node.name}"')
    time.sleep(0.3)
    now = focused()
    check(len(now) == 1, f'"{node.name}" reports {len(now)} focused objects: {now}')


def label_text(label):
    return label.name.replace("&", "").rstrip(":").strip()


# A voice-control user says what is written on the screen: each field's name holds the
# text of the label that names it.
def expect_fields_named_by_labels(node):
    fields = [child for child in descendants(node) if role_of(child) == "text"]
    check(fields, f'"{node.name}" has no text field to look at')
    for field in fields:
        labels = [relation.getTarget(index)
                  for relation in field.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for index in range(relation.getNTargets())]
        check(labels, f'field "{field.name}" in "{node.name}" has no label')
        for label in labels:
            check(label_text(label) in field.name,
                  f'field "{field.name}" does not say its label "{label.name}"')


SITES = ["AuctionBrick", "BI Portal", "Bricklink", "BL Catalog", "Brickset", "Brickshelf",
         "ebay.co.uk", "ebay.com", "ebay.com/au", "ebay.de", "ebay.fr", "LEGO", "Lugnet",
         "Lugnet News", "MISBI", "Peeron"]
MENUS = {
    "File": ["Load Default Settings", "Load Custom Settings", "Save Current Settings", "Exit"],
    "Edit": ["Check all Search Sites", "Uncheck all Search Sites"],
    "Tools": ["SetSweep"],
    "Help": ["Howto...", "About..."],
}
MAIN_WINDOW = (
    [("check box", site) for site in SITES + ["PeekShot (Lugnet Popup)",
                                              "Minimize while searching"]]
    + [("panel", "Search Site(s)"), ("text", "Enter search query here:"),
       ("label", "Enter search query here:"), ("push button", "Search"), ("menu bar", "")]
    + [("menu item", name) for menu, items in MENUS.items() for name in [menu] + items])
BULK_OPEN_DIALOG = [
    ("check box", "In the future, do not show this warning"), ("push button", "Yes"),
    ("push button", "No"),
    ("label", "A browser window will open for EACH search site you checked."),
    ("label", "Are you sure you want to continue?")]
SETSWEEP = [
    ("label", "Range Start:"), ("label", "# of Sets in Range:"), ("text", "Range Start:"),
    ("text", "# of Sets in Range:"), ("push button", "View Pics"), ("menu bar", ""),
    ("menu item", "File"), ("menu item", "Exit"), ("menu item", "Help"),
    ("menu item", "Howto")]
ABOUT = [("image", "Tessorin icon"), ("label", f"Tessorin version {VERSION}"),
         ("label", "Brick by brick."), ("push button", "One more brick")]
NO_SITE_MESSAGE = [("image", ""), ("label", "Please select at least one search site."),
                   ("panel", ""), ("push button", "OK")]

main = window(f"Tessorin v{VERSION}")
check(role_of(main) == "frame", f"the main window is a {role_of(main)}")
expect_controls(main, MAIN_WINDOW)
expect_fields_named_by_labels(main)
expect_one_focus(main)

# Every site ticked (Ctrl+E) and a query: the bulk-open dialog, answered No.
typed("6080")
keys("ctrl+e", "Return")
dialog = window("Tessorin - Alert!")
check(role_of(dialog) == "dialog", f"the bulk-open dialog is a {role_of(dialog)}")
expect_controls(dialog, BULK_OPEN_DIALOG)
expect_one_focus(dialog)
keys("Tab", "Tab", "Return")
wait_for(lambda: shown_window("Tessorin - Alert!") is None, "the bulk-open dialog to close")

# No site ticked: a message, read as an alert with its text.
focus_main()
keys("ctrl+u", "Return")
message = window("Tessorin")
check(role_of(message) == "alert", f"the message is a {role_of(message)}")
expect_controls(message, NO_SITE_MESSAGE)
expect_one_focus(message)
keys("Return")

focus_main()
keys("ctrl+m")
setsweep = window("SetSweep")
expect_controls(setsweep, SETSWEEP)
expect_fields_named_by_labels(setsweep)
expect_one_focus(setsweep)

focus_main()
keys("ctrl+a")
about = window("About Tessorin")
check(role_of(about) == "dialog", f'"About Tessorin" is a {role_of(about)}, '
      "which a reader does not announce")
expect_controls(about, ABOUT)
expect_one_focus(about)

report()
