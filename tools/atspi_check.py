#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses the built program from outside, as a screen reader and a keyboard user do.

Starts build/bin/dayrail on a private virtual screen with a window manager and
the accessibility bus, in a fresh data folder, reads the year, the time and
every day of the twelve month grids through AT-SPI, then drives every command
of the main menu with keys alone and checks each window that opens: its
controls are named, Tab goes round them, a default button answers Enter, and
Escape (or a button reached by Tab) closes it.

    tools/atspi_check.py [--program build/bin/dayrail] [--keep]

Needs python3-pyatspi, at-spi2-core, xvfb, openbox and xdotool (Debian); prints
what it read and did, then the faults, and exits 1 when there are any.
"""
import argparse
import calendar
import os
import shutil
import signal
import sys
import tempfile
import time

from atspi_session import Report, Screen, keysym

MONTHS = ["Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август",
          "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"]
# Buttons that lead back to the main window from a view that replaced it.
BACK_TO_MAIN = ("Показать главное окно", "Восстановить главное окно")
# Controls a reader may meet unnamed: they only hold others or show a picture.
# Windows left with another key than Escape, to follow where it leads.
LEAVE_WITH = {"Печать: Масштабирование": "Return"}
QUIET_ROLES = {"filler", "panel", "frame", "image", "separator", "scroll pane", "viewport",
               "scroll bar", "table cell", "table column header", "table row header",
               "list item", "tool tip", "redundant object", "unknown", "section"}


class Checker:
    def __init__(self, screen, report):
        self.screen = screen
        self.r = report
        self.a = screen.atspi
        self.commands_run = 0
        self.windows_checked = {}

    # --- reading -------------------------------------------------------------

    def main_window(self):
        # The one on screen first: switching the frame leaves the old node behind.
        return self.screen.find_window(self.is_main) or \
            self.screen.find_window(self.is_main, showing=False)

    def read_main(self):
        main = self.main_window()
        if main is None:
            self.r.fault("no main window in the accessible tree")
            return 0
        labels = {}
        tables = []
        for node in self.screen.walk(main):
            role = node.getRoleName()
            if role == "table":
                tables.append(node)
            elif role == "label" and node.description:
                labels[node.description] = node.name
        year = labels.get("Текущий год", "")
        clock = labels.get("Системное время", "")
        self.r.say(f"year: {year or '?'}   time: {clock or '?'}")
        if not year.isdigit():
            self.r.fault(f"year label reads {year!r}")
        if len(clock) < 5:
            self.r.fault(f"time line reads {clock!r}")
        time.sleep(1.2)
        later = {n.description: n.name for n in self.screen.walk(main)
                 if n.getRoleName() == "label" and n.description}.get("Системное время")
        if later == clock:
            self.r.fault("the time line's name does not follow the clock")
        if len(tables) != 12:
            self.r.fault(f"{len(tables)} month grids, 12 wanted")
        days_read = 0
        for month, table in enumerate(tables, 1):
            days, chosen = self.read_grid(table)
            days_read += len(days)
            shown = " ".join(f"[{d}]" if d in chosen else str(d) for d in days)
            self.r.say(f"{table.name:>15}: {shown}")
            if year.isdigit() and month <= 12:
                wanted = f"{MONTHS[month - 1]} {year}"
                if table.name != wanted:
                    self.r.fault(f"grid {month} is named {table.name!r}, {wanted!r} wanted")
                length = calendar.monthrange(int(year), month)[1]
                if days != list(range(1, length + 1)):
                    self.r.fault(f"{table.name}: days read {days[:3]}..., 1..{length} wanted")
            if len(chosen) != 1:
                self.r.fault(f"{table.name}: {len(chosen)} days marked as chosen, 1 wanted")
        self.r.say(f"{days_read} days read in {len(tables)} grids")
        return days_read

    def read_grid(self, table):
        grid = table.queryTable()
        days, chosen = [], []
        for row in range(grid.nRows):
            for column in range(grid.nColumns):
                cell = grid.getAccessibleAt(row, column)
                if cell is None or not cell.name.isdigit():
                    continue
                days.append(int(cell.name))
                if self.screen.has(cell, "selected"):
                    chosen.append(int(cell.name))
        return days, chosen

    def chosen_day(self, table):
        return self.read_grid(table)[1]

    # --- the grids by keys -----------------------------------------------------

    def grids_by_keys(self):
        """Tab reaches a grid; arrows move its chosen day, PageDown the grid."""
        main = self.main_window()
        grids = [n for n in self.screen.walk(main) if n.getRoleName() == "table"]
        if len(grids) != 12:
            return
        for _ in range(30):
            focused = self.screen.focused(main)
            if focused is not None and focused.getRoleName() in ("table", "table cell"):
                break
            self.screen.key("Tab")
        else:
            self.r.fault("Tab never reaches a month grid")
            return
        first = next((g for g in grids if self.screen.has(g, "focused")), None)
        if first is None:
            first = grids[0]
        index = grids.index(first)
        before = self.chosen_day(first)
        self.screen.key("Right")
        after = self.chosen_day(first)
        self.r.say(f"Right in {first.name}: chosen day {before} -> {after}")
        if not before or after != [before[0] + 1]:
            self.r.fault(f"Right in {first.name} did not choose the next day")
        self.screen.key("Left")
        if index < 11:
            self.screen.key("Next")
            target = grids[index + 1]
            self.r.say(f"PageDown: {target.name} focused: {self.screen.has(target, 'focused')}, "
                       f"chosen day {self.chosen_day(target)}")
            if not self.screen.has(target, "focused"):
                self.r.fault(f"PageDown from {first.name} did not reach {target.name}")
            self.screen.key("Prior")

    # --- menus -----------------------------------------------------------------

    def menu_bar(self):
        main = self.main_window()
        for node in self.screen.walk(main):
            if node.getRoleName() == "menu bar":
                return node
        return None

    def menu_commands(self):
        """(menu title, mnemonic keysym, [item path]) for every visible command."""
        bar = self.menu_bar()
        if bar is None:
            self.r.fault("no menu bar")
            return []
        found = []
        for title_item in bar:
            binding = title_item.queryAction().getKeyBinding(0)
            if not binding.startswith("Alt+"):
                self.r.fault(f"menu {title_item.name!r} has no Alt letter ({binding!r})")
                continue
            letter = binding[4:]
            popup = title_item[0] if title_item.childCount else None

            def collect(menu, path):
                for item in menu:
                    if item.getRoleName() == "separator" or not self.screen.has(item, "enabled"):
                        continue
                    if item.childCount and item[0].getRoleName() == "popup menu":
                        collect(item[0], path + [item.name])
                    else:
                        found.append((title_item.name, letter, path + [item.name]))
            if popup is not None:
                collect(popup, [])
        return found

    def open_menu(self, title, letter):
        bar = self.menu_bar()
        item = next((i for i in bar if i.name == title), None) if bar else None
        popup = item[0] if item is not None and item.childCount else None
        for attempt in range(2):
            self.screen.key("alt+" + keysym(letter))
            if popup is not None and self.screen.wait(lambda: self.screen.has(popup, "showing")):
                if attempt:
                    self.r.say(f"Alt+{letter} opened the menu at the second press", 1)
                return popup
            time.sleep(1)
        active = self.screen.active_window()
        where = f"{active.getRoleName()} {active.name!r}" if active else "no window"
        self.r.fault(f"Alt+{letter} did not open menu {title!r} ({where} active)")
        return None

    def reach_item(self, popup, name):
        """Down until the item called name has the focus; Right opens a submenu."""
        for _ in range(popup.childCount + 2):
            item = next((i for i in popup if i.name == name and self.screen.has(i, "focused")),
                        None)
            if item is not None:
                return item
            self.screen.key("Down")
        return None

    def run_command(self, title, letter, path):
        label = " → ".join([title] + path)
        self.r.say(f"\n{label}  (Alt+{letter}, arrows, Enter)")
        popup = self.open_menu(title, letter)
        if popup is None:
            return False
        for depth, name in enumerate(path):
            item = self.reach_item(popup, name)
            if item is None:
                self.r.fault(f"{label}: arrows never reach {name!r}")
                self.screen.key("Escape", "Escape", "Escape")
                return False
            if depth < len(path) - 1:
                self.screen.key("Right")
                popup = item[0]
                if not self.screen.wait(lambda: self.screen.has(popup, "showing")):
                    self.r.fault(f"{label}: Right did not open {name!r}")
                    self.screen.key("Escape", "Escape")
                    return False
        checked = self.screen.has(item, "checked")
        checkable = self.screen.has(item, "checkable") or checked
        self.screen.key("Return")
        self.commands_run += 1
        if checkable:
            now = self.screen.wait(lambda: self.screen.has(item, "checked") != checked)
            self.r.say(f"check mark {'on' if not checked else 'off'}: {now}", 1)
            if not now:
                self.r.fault(f"{label}: the check mark did not follow Enter")
        return True

    # --- windows ---------------------------------------------------------------

    def others(self):
        """Our showing windows other than the main one."""
        return [w for w in self.screen.windows() if not self.is_main(w)]

    def settle(self):
        """Walks every window the last command left open until only the main one is left."""
        visited = 0
        switched = False
        while visited < 8:
            # A window just shown takes a moment to get the focus.
            self.screen.wait(lambda: not self.others() or self.elsewhere(), 3)
            active = self.screen.active_window()
            if active is not None and not self.is_main(active):
                visited += 1
                self.check_window(active)
                if not self.leave(active):
                    return False
                continue
            waiting = [w for w in self.others() if not self.screen.has(w, "active")]
            if not waiting or switched:
                break
            # Shown behind the focused window: a keyboard user switches to it.
            names = ", ".join(repr(w.name) for w in waiting)
            self.r.say(f"shown without the focus: {names}; Alt+Tab to it", 1)
            self.screen.key("alt+Tab")
            switched = True
        return self.back_to_main()

    def elsewhere(self):
        """The keyboard is in one of our windows other than the main one."""
        active = self.screen.active_window()
        return active is not None and not self.is_main(active)

    @staticmethod
    def is_main(window):
        # Minimised, it reads with no name: the menu bar tells it.
        try:
            return window.getRoleName() == "frame" and any(
                c is not None and c.getRoleName() == "menu bar" for c in window)
        except Exception:
            return False

    def main_active(self):
        # Asked anew each time: a new native window (frame switched) is a new node.
        active = self.screen.active_window()
        return active is not None and self.is_main(active)

    def back_to_main(self):
        if self.screen.wait(self.main_active, 4):
            return True
        # Hidden or minimised with no tray: the desktop's window switcher.
        self.screen.key("alt+Tab")
        if self.screen.wait(self.main_active):
            self.r.say("the main window came back through the desktop's Alt+Tab", 1)
            return True
        self.screen.raise_window("Календарь.*")
        if self.screen.wait(self.main_active):
            self.r.say("the main window came back only when raised by the window manager", 1)
            return True
        self.r.fault("the main window could not be brought back")
        return False

    def check_window(self, window):
        role, name = window.getRoleName(), window.name
        key = (role, name)
        self.r.say(f"window: {role} {name!r}", 1)
        if not name:
            self.r.fault(f"a {role} without a name")
        if key in self.windows_checked:
            self.r.say("(checked before)", 2)
            return
        self.windows_checked[key] = True
        tabs = [n for n in self.screen.walk(window) if n.getRoleName() == "page tab"]
        if tabs:
            for page in range(len(tabs)):
                shown = next((t.name for t in tabs if self.screen.has(t, "selected") or
                              self.screen.has(t, "focused")), "?")
                self.r.say(f"page {shown!r}", 2)
                self.check_controls(window, 3)
                self.tab_round(window, 3)
                if page < len(tabs) - 1:
                    self.screen.key("ctrl+Tab")
        else:
            self.check_controls(window, 2)
            self.tab_round(window, 2)

    def check_controls(self, window, depth):
        unnamed, defaults = [], []
        for node in self.screen.walk(window):
            if not self.screen.has(node, "showing"):
                continue
            role = node.getRoleName()
            if self.screen.has(node, "is_default"):
                defaults.append(node.name)
            if role in QUIET_ROLES or node.name.strip():
                continue
            if self.screen.has(node, "focusable") or role in ("label", "text", "push button"):
                unnamed.append(role)
            # A field's name may come from a label pointing at it.
        for role in unnamed:
            self.r.fault(f"{window.name!r}: a {role} with no accessible name", depth)
        self.check_labels(window, depth)
        if defaults:
            self.r.say(f"default button: {', '.join(repr(d) for d in defaults)}", depth)

    def check_labels(self, window, depth):
        """A label is read as it shows, and a heading names the field it heads."""
        shown = [n for n in self.screen.walk(window) if self.screen.has(n, "showing")]
        headings = {}
        for node in shown:
            if node.getRoleName() != "label":
                continue
            text = " ".join(self.screen.text(node).split())
            read = " ".join((node.name + " " + node.description).split())
            if text and text not in read and read not in ("", text):
                self.r.fault(f"{window.name!r}: a label shows {text!r} but reads {node.name!r}",
                             depth)
            headings.setdefault(" ".join(node.name.split()), node)
        for node in shown:
            if node.getRoleName() not in ("text", "combo box", "spin button", "list"):
                continue
            heading = headings.get(" ".join(node.name.split()))
            if heading is None or heading.name == "":
                continue
            if node.parent is not None and node.parent.getRoleName() == "combo box":
                continue  # the text of a list to pick from: the list has the label
            # Qt tells the field's side only for a label beside it in the same parent.
            if heading not in self.screen.labels_of(node) and \
                    node not in self.screen.related(heading, "label_for"):
                self.r.fault(f"{window.name!r}: the heading {heading.name.strip()!r} is not the "
                             f"label of its {node.getRoleName()}", depth)

    def tab_round(self, window, depth):
        focusable = [n for n in self.screen.walk(window)
                     if self.screen.has(n, "showing") and self.screen.has(n, "focusable") and
                     self.screen.has(n, "enabled") and n.getRoleName() not in
                     ("label", "table cell", "list item", "page tab", "menu item")]
        order = []
        start = self.screen.focused(window)
        start_id = self.screen.ident(start) if start is not None else None
        if not focusable:
            self.r.say("nothing to Tab to", depth)
            return
        for _ in range(2 * len(focusable) + 6):
            self.screen.key("Tab")
            now = self.screen.focused(window)
            if now is None:
                self.r.fault(f"{window.name!r}: Tab took the focus out of the window", depth)
                return
            ident = self.screen.ident(now)
            # A date field's sections take Tab in turn: one stop.
            if order and ident == order[-1][0]:
                continue
            if order and ident in (order[0][0], start_id):
                break
            order.append((ident, f"{now.getRoleName()} {now.name!r}"))
        self.r.say("Tab: " + " → ".join(text for _, text in order), depth)
        reached = {ident for ident, _ in order} | {start_id}
        # One option of a group takes Tab; arrows move within the group.
        groups = {self.screen.ident(n.parent) for n in focusable if
                  n.getRoleName() == "radio button" and self.screen.ident(n) in reached}
        missed = [n for n in focusable if self.screen.ident(n) not in reached and
                  not any(self.screen.ident(c) in reached for c in self.screen.walk(n)) and
                  not (n.getRoleName() == "radio button" and
                       self.screen.ident(n.parent) in groups)]
        for node in missed:
            self.r.say(f"not reached by Tab: {node.getRoleName()} {node.name!r}", depth)

    def leave(self, window):
        """Closes window by keys: a way back to the main window, else Escape."""
        name = window.name
        for back in BACK_TO_MAIN:
            button = next((n for n in self.screen.walk(window)
                           if n.name == back and self.screen.has(n, "showing")), None)
            if button is None:
                continue
            for _ in range(12):
                if self.screen.has(button, "focused"):
                    break
                self.screen.key("Tab")
            else:
                self.r.fault(f"{name!r}: Tab never reaches {back!r}", 2)
                return False
            self.screen.key("space")
            if self.screen.wait(lambda: not self.screen.has(window, "showing")):
                self.r.say(f"left by Tab to {back!r} and Space", 2)
                return True
        key = LEAVE_WITH.get(name, "Escape")
        self.screen.key(key)
        if self.screen.wait(lambda: not self.screen.has(window, "showing") or
                            not self.screen.has(window, "active")):
            self.r.say(f"closed by {key}", 2)
            return True
        self.r.fault(f"{name!r}: {key} does not close it", 2)
        if self.is_main(window):
            return False
        self.screen.key("alt+F4")
        return self.screen.wait(lambda: not self.screen.has(window, "showing"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=os.path.join(here, "..", "build", "bin", "dayrail"))
    parser.add_argument("--keep", action="store_true", help="keep the data folder")
    args = parser.parse_args()
    if not os.access(args.program, os.X_OK):
        sys.exit(f"no program at {args.program}: build it first")

    # Ended from outside, it still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(2))
    folder = tempfile.mkdtemp(prefix="dayrail-atspi-")
    # A portable copy keeps its files beside itself: a fresh folder is fresh data.
    shutil.copy2(args.program, folder)
    tips = os.path.join(os.path.dirname(args.program), "tips.cal")
    if os.path.exists(tips):
        shutil.copy2(tips, folder)
    report = Report()
    screen = Screen(os.path.join(folder, "dayrail"), folder)
    try:
        screen.start()
        checker = Checker(screen, report)
        report.say("start-up:")
        checker.settle()
        days = checker.read_main()
        checker.grids_by_keys()
        commands = checker.menu_commands()
        last = [c for c in commands if c[2][-1] == "Выход"]
        for title, letter, path in [c for c in commands if c not in last] + last:
            if not screen.running():
                report.fault("the program ended before " + " → ".join([title] + path))
                break
            if not checker.run_command(title, letter, path):
                checker.back_to_main()
                continue
            if path[-1] == "Выход":
                if screen.wait(lambda: not screen.running(), 10):
                    report.say("the program ended", 1)
                else:
                    report.fault("Выход did not end the program")
                continue
            checker.settle()
            if path[-1].startswith("Режим"):
                # Back to the framed window, by the menu of the frameless one.
                if checker.run_command(title, letter, ["Обычный"]):
                    checker.commands_run -= 1
                    checker.settle()
        report.say(f"\n{days} days read, {checker.commands_run} of {len(commands)} menu "
                   f"commands run by keys, {len(checker.windows_checked)} windows checked")
    finally:
        screen.stop()
        if not args.keep:
            shutil.rmtree(folder, ignore_errors=True)
    return report.exit_code()


if __name__ == "__main__":
    sys.exit(main())
