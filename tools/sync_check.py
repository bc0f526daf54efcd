#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two portable copies of the built program, in two folders, kept in step
through one local calendar server, driven from outside as a user does.

Starts radicale (or xandikos) on 127.0.0.1, a private screen with the session
and accessibility buses and an unlocked desktop password store, then:
  copy A: finds the calendar on «Синхронизация», adds a holiday, syncs;
  copy B: the same account (its password comes from the store A filled),
          syncs, adds one, changes A's, syncs;
  copy A: starts again, syncs, deletes one.
After each step it compares both copies' holiday lists with the server's.

    tools/sync_check.py [--program build/bin/dayrail] [--server radicale|xandikos] [--keep]

Needs radicale or xandikos (tools/deps.sh test) and gnome-keyring with the
rest of tools/deps.sh reader; --keep keeps the folders and a screenshot after
each step. Exits 1 when there are faults.
"""
import argparse
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from atspi_session import Report, Screen, end_session


RUN_ENDED = re.compile(r"^\d+ \S+ \d\d:\d\d: ")
STATUS = re.compile(r"^(\d+ \S+ \d\d:\d\d: |Идёт синхронизация|Найдено календарей|"
                    r"Поиск календарей|Введите пароль|На сервере нет)")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def start_server(kind, folder):
    port = free_port()
    if kind == "radicale":
        os.makedirs(f"{folder}/store/collection-root/alice/cal")
        with open(f"{folder}/users", "w") as f:
            f.write("alice:secret\n")
        with open(f"{folder}/store/collection-root/alice/cal/.Radicale.props", "w") as f:
            f.write('{"tag": "VCALENDAR", "D:displayname": "Дела"}')
        argv = ["radicale", "--server-hosts", f"127.0.0.1:{port}",
                "--storage-filesystem-folder", f"{folder}/store", "--auth-type", "htpasswd",
                "--auth-htpasswd-filename", f"{folder}/users",
                "--auth-htpasswd-encryption", "plain"]
        items = f"{folder}/store/collection-root/alice/cal"
    else:
        argv = ["xandikos", "--defaults", "-d", f"{folder}/x", "-l", "127.0.0.1",
                "-p", str(port)]
        items = f"{folder}/x/user/calendars/calendar"
    log = open(f"{folder}/server.log", "w")
    proc = subprocess.Popen(argv, stdout=log, stderr=subprocess.STDOUT)
    for _ in range(100):
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return proc, f"http://127.0.0.1:{port}/", items
        time.sleep(0.1)
    raise RuntimeError(f"{kind} did not start")


def server_summaries(items):
    found = []
    for name in os.listdir(items):
        if name.endswith(".ics"):
            with open(os.path.join(items, name), encoding="utf-8") as f:
                found += [line[8:].strip() for line in f if line.startswith("SUMMARY:")]
    return sorted(found)


def profile_entries(folder):
    """The holiday lines of the copy's one profile (cp1251, after the twelve days
    and the count)."""
    profiles = [n for n in os.listdir(folder) if n.endswith(".cpr")]
    if len(profiles) != 1:
        return None
    with open(os.path.join(folder, profiles[0]), encoding="cp1251") as f:
        lines = f.read().splitlines()
    return sorted(lines[13:])


class Copy:
    """One portable copy: its own folder and executable, started on the shared screen."""

    def __init__(self, screen, folder, program, report):
        self.screen, self.folder, self.r = screen, folder, report
        os.makedirs(folder)
        self.program = os.path.join(folder, "dayrail")
        shutil.copy2(program, self.program)
        for beside in ("tips.cal", "workcal.txt"):
            if os.path.exists(os.path.join(os.path.dirname(program), beside)):
                shutil.copy2(os.path.join(os.path.dirname(program), beside), folder)
        self.a = screen.atspi

    def start(self):
        log = open(os.path.join(self.folder, "program.log"), "a")
        self.screen._spawn("program", [self.program], self.screen._env, cwd=self.folder,
                           stdout=log)
        if not self.screen.wait(lambda: self.screen.app() is not None, 20):
            raise RuntimeError(f"{self.folder}: the program never showed up")
        time.sleep(1.5)

    def stop(self):
        proc = self.screen._procs["program"]
        proc.terminate()
        proc.wait(15)

    def find(self, role, name, within=None):
        roots = [within] if within is not None else self.screen.windows()
        for root in roots:
            for node in self.screen.walk(root):
                try:
                    if node.getRoleName() == role and node.name == name:
                        return node
                except Exception:
                    continue
        return None

    def wait_find(self, role, name, timeout=10):
        found = []
        self.screen.wait(lambda: found.append(self.find(role, name)) or found[-1], timeout)
        return found[-1] if found else None

    shots = 0

    def shot(self, what):
        """A picture of the screen, for a run kept with --keep."""
        Copy.shots += 1
        path = os.path.join(os.path.dirname(self.folder), f"{Copy.shots:02d}-{what}.png")
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", path], env=self.screen._env, check=False)

    def click(self, node):
        box = node.queryComponent().getExtents(self.a.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                        str(box.y + box.height // 2), "click", "1"], env=self.screen._env,
                       check=False)
        time.sleep(0.4)

    def press(self, name, role="push button"):
        button = self.wait_find(role, name)
        if button is None:
            raise RuntimeError(f"no {role} {name!r}")
        button.queryAction().doAction(0)
        time.sleep(0.5)

    def type_into(self, name, text, role="text"):
        field = self.wait_find(role, name)
        if field is None:
            raise RuntimeError(f"no field {name!r}")
        field.queryEditableText().setTextContents(text)

    def open_settings(self, tab):
        main = self.screen.find_window(lambda w: w.getRoleName() == "frame")
        self.screen.raise_window(main.name)
        item = self.find("menu item", "Настройки...")
        item.queryAction().doAction(0)
        page = self.wait_find("page tab", tab)
        if page is None:
            raise RuntimeError("the settings window has no tab " + tab)
        page.queryAction().doAction(0)
        time.sleep(0.5)

    def close_settings(self):
        self.shot(os.path.basename(self.folder))
        self.screen.raise_window("Настройки")
        self.screen.key("Escape", pause=1)

    def status(self):
        """The account page's status line: what the last run did, or what goes on."""
        for window in self.screen.windows():
            for node in self.screen.walk(window):
                try:
                    if node.getRoleName() == "label" and STATUS.match(node.name):
                        return node.name
                except Exception:
                    continue
        return ""

    def sync_now(self, timeout=90):
        self.open_settings("Синхронизация")
        before = self.status()
        self.press("Синхронизировать сейчас")
        # The run after a change may have ended just before, with the very
        # words this one ends with in the same minute.
        again = RUN_ENDED.match(before) is not None
        done = self.screen.wait(lambda: self.status() != before and
                                RUN_ENDED.match(self.status()), 10 if again else timeout)
        said = self.status()
        self.r.say(f"  {os.path.basename(self.folder)}: {said}")
        if not (done or again) or "Синхронизация завершена" not in said:
            self.r.fault(f"{self.folder}: sync ended with {said!r}")
        self.close_settings()

    def pick_date(self, day, month):
        """Day and month from the drop-down lists, by keys as a user picks them."""
        box = self.wait_find("combo box", "День")
        box.queryComponent().grabFocus()
        time.sleep(0.3)
        self.screen.key("Home", *["Down"] * (day - 1), "Tab", "Home", *["Down"] * (month - 1),
                        pause=0.5)

    def add_holiday(self, caption, day, month, year):
        self.open_settings("Праздники")
        self.pick_date(day, month)
        self.type_into("Год", str(year))
        self.type_into("Подпись (событие)", caption)
        self.press("Добавить")
        self.close_settings()

    def select_entry(self, text):
        box = self.wait_find("list", "Список праздников")
        for i in range(box.childCount):
            if text in box[i].name:
                self.click(box[i])
                return True
        self.r.fault(f"{self.folder}: no entry with {text!r}")
        return False

    def change_holiday(self, text, new_caption):
        self.open_settings("Праздники")
        if self.select_entry(text):
            self.screen.key("Insert", pause=1)
            self.shot("edit")
            field = self.wait_find("text", "Изменение введённой ранее даты")
            old = field.queryText().getText(0, -1)
            field.queryEditableText().setTextContents(old.replace(text, new_caption))
            self.press("Применить")
        self.close_settings()

    def delete_holiday(self, text):
        self.open_settings("Праздники")
        if self.select_entry(text):
            self.screen.key("Delete", pause=1)
        self.close_settings()

    def set_up_account(self, url, user, password):
        self.open_settings("Синхронизация")
        self.type_into("Адрес сервера", url)
        self.type_into("Имя пользователя", user)
        if password is not None:
            self.type_into("Пароль", password, "password text")
        self.press("Найти календари")
        if self.wait_find("push button", "Всё равно подключиться", 5):
            self.press("Всё равно подключиться")
        found = self.screen.wait(lambda: "Найдено календарей" in self.status(), 20)
        self.r.say(f"  {os.path.basename(self.folder)}: {self.status()}")
        if not found:
            self.r.fault(f"{self.folder}: no calendar found ({self.status()!r})")
        self.close_settings()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", default=os.path.join(here, "..", "build", "bin", "dayrail"))
    parser.add_argument("--server", default="radicale", choices=["radicale", "xandikos"])
    parser.add_argument("--keep", action="store_true")
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="dayrail-sync-")
    report = Report()
    server, url, items = start_server(args.server, work)
    screen = Screen(os.path.abspath(args.program), work)
    spawn = screen._spawn

    def spawn_with_keyring(name, argv, env, **kw):
        # The password store comes up on the private bus before the program.
        if name == "program" and "keyring" not in screen._procs:
            env["XDG_DATA_HOME"] = env["HOME"] = os.path.join(work, "home")
            keyring = subprocess.Popen(["gnome-keyring-daemon", "--foreground", "--unlock",
                                        "--components=secrets"], env=env,
                                       stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            keyring.stdin.write(b"login\n")
            keyring.stdin.close()
            screen._procs["keyring"] = keyring
            time.sleep(1)
        return spawn(name, argv, env, **kw)

    screen._spawn = spawn_with_keyring
    os.makedirs(os.path.join(work, "home"))
    a = b = None
    try:
        # The first start is the screen's own, from a throwaway folder.
        screen.program = shutil.copy2(args.program, os.path.join(work, "dayrail"))
        screen.start()
        screen._procs["program"].terminate()
        screen._procs["program"].wait(15)
        a = Copy(screen, os.path.join(work, "A"), args.program, report)
        b = Copy(screen, os.path.join(work, "B"), args.program, report)

        def same(step):
            left, right = profile_entries(a.folder), profile_entries(b.folder)
            on_server = server_summaries(items)
            report.say(f"{step}: A {left}\n    B {right}\n    server {on_server}")
            if left != right:
                report.fault(f"{step}: the copies differ")
            captions = sorted(e.split("г. ", 1)[-1] for e in left or [])
            if captions != on_server:
                report.fault(f"{step}: the server holds {on_server}, the copies {captions}")

        report.say("copy A: account, a holiday, sync")
        a.start()
        a.set_up_account(url, "alice", "secret")
        a.add_holiday("Встреча А", 12, 3, 2027)
        a.sync_now()
        a.stop()
        if "Встреча А" not in " ".join(server_summaries(items)):
            report.fault("A's holiday did not reach the server")

        report.say("copy B: same account, password from the store")
        b.start()
        b.set_up_account(url, "alice", None)
        b.sync_now()
        b.add_holiday("Встреча Б", 5, 4, 2027)
        b.change_holiday("Встреча А", "Встреча А (перенесена)")
        b.sync_now()
        b.stop()

        report.say("copy A again: sync at start, then a removal")
        a.start()
        time.sleep(4)
        a.sync_now()
        a.stop()
        same("after B's edits")
        a.start()
        a.delete_holiday("Встреча Б")
        a.sync_now()
        a.stop()
        b.start()
        time.sleep(4)
        b.sync_now()
        b.stop()
        same("after A's removal")
        if any("Встреча Б" in e for e in profile_entries(b.folder) or []):
            report.fault("the removal did not reach B")
        if not any("перенесена" in e for e in profile_entries(a.folder) or []):
            report.fault("B's change did not reach A")
    finally:
        server.terminate()
        server.wait(10)
        end_session(screen, work, args.keep, "kept")
    return report.exit_code()


if __name__ == "__main__":
    sys.exit(main())
