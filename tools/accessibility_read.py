#!/usr/bin/python3
"""Reads the running program through the desktop accessibility bus, as a screen reader does.

Finds the program among the bus's applications, shows each screen by the press action of its
section and sub-frame buttons (the way a reader switches them) and lists every enabled control
that takes focus on it without a name of its own: empty, punctuation only ("...", "?") or only the
title of its group. Exits 1 when any control is nameless or a button is missing.

Started by scripts/accessibility, which runs the program on its accessibility bus.
"""
import sys
import time

import pyatspi

# (section button, sub-frame buttons shown one after the other; None: the section as it opens)
SCREENS = [
    ("Задание условий", [None]),
    ("Сведения о декларанте", ["ФИО и документ", "Место жительства"]),
    ("Доходы, полученные в РФ", ["Доходы, облагаемые по ставке 13%"]),
    # The property deduction last: leaving it runs its check, which may stop the switch.
    ("Вычеты", ["Стандартные", "Социальные", "Убытки по ЦБ", "Имущественный"]),
]
NO_NAME = {"", "...", "…", "?"}


def nodes(root):
    found, stack = [], [root]
    while stack:
        node = stack.pop()
        try:
            count = node.childCount
        except Exception:  # a node gone while read
            continue
        found.append(node)
        stack.extend(c for c in (node.getChildAtIndex(i) for i in range(min(count, 1000))) if c)
    return found


def shown(node):
    state = node.getState()
    return state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_VISIBLE)


def plain(name):
    return (name or "").replace("&", "").replace("\n", " ").strip()


def find_program(timeout):
    desktop = pyatspi.Registry.getDesktop(0)
    end = time.time() + timeout
    while time.time() < end:
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and any(n in (app.name or "").lower() for n in ("tarvika", "тарвика")):
                return app
        time.sleep(0.5)
    return None


def press(app, caption):
    for node in nodes(app):
        if plain(node.name) == caption and shown(node):
            node.queryAction().doAction(0)
            time.sleep(1.0)
            return True
    print(f"no button «{caption}»")
    return False


def nameless(app, group_titles):
    focusable = []
    for node in nodes(app):
        state = node.getState()
        if shown(node) and state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(
                pyatspi.STATE_ENABLED):
            focusable.append(node)
    missing = [n for n in focusable if plain(n.name) in NO_NAME or plain(n.name) in group_titles]
    return focusable, missing


def main():
    app = find_program(30)
    if app is None:
        print("the program is not on the accessibility bus")
        return 1
    # The program is on the bus before its window is: wait for the first section's button.
    end = time.time() + 30
    while time.time() < end and not any(plain(n.name) == SCREENS[0][0] for n in nodes(app)):
        time.sleep(0.5)
    groups = {plain(n.name) for n in nodes(app) if n.getRoleName() in ("panel", "filler") and n.name}
    failed = False
    total = 0
    for section, parts in SCREENS:
        failed |= not press(app, section)
        for part in parts:
            if part is not None:
                failed |= not press(app, part)
            focusable, missing = nameless(app, groups)
            total += len(focusable)
            print(f"{section} / {part or '—'}: {len(missing)} of {len(focusable)} without a name")
            for node in missing:
                print(f"    {node.getRoleName()} {plain(node.name)!r}")
            failed |= bool(missing)
    print(f"{total} controls read")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
