#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""The reminder agent against a private session bus and a mock notification
service: a reminder shows at its time with the age, a snooze brings it back,
what fell due while the agent was stopped shows once, a restart repeats
nothing; without a notification service the program's box stands in. The agent's clock starts at a chosen moment and runs 300 times
faster (one real second is five minutes).
    test_notifications.py PATH_TO_DAYRAIL_REMIND"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import dbus
    import dbusmock  # noqa: F401
except ImportError:
    print("python3-dbusmock is not installed")
    sys.exit(77)

AGENT = sys.argv[1]
SPEED = 300
BIRTHDAY = "7 января 1985г. День рождения Маши"
REPORT = "5 января  Сдать отчёт"
CALL = "6 января  Позвонить маме"
SERVICE = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"


def write_1251(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1251"))


def make_folder(folder, extra=()):
    profile = os.path.join(folder, "Дом.cpr")
    write_1251(profile, ["1"] * 12 + [str(3 + len(extra)), BIRTHDAY, REPORT, CALL, *extra])
    write_1251(os.path.join(folder, "cnfg.cal"),
               ["1"] * 12 + ["2026", "0", "0", "", "clSkyBlue", "True", "TRUE", "clBlack",
                             profile])
    with open(profile + ".reminders", "w", encoding="utf-8") as f:
        f.write("dayrail-reminders 1\ncommon 3 days 09:00 yearly\n"
                "entry 0 days 12:00\t" + REPORT + "\n"
                "entry 0 days 13:00\t" + CALL + "\n" +
                "".join("entry 0 days 13:20\t" + entry + "\n" for entry in extra))


def save_atomically(folder, extra):
    """As the program saves: new files renamed over the old ones."""
    staged = os.path.join(folder, "staged")
    os.makedirs(staged, exist_ok=True)
    make_folder(staged, extra)
    for name in ("Дом.cpr", "Дом.cpr.reminders"):
        os.replace(os.path.join(staged, name), os.path.join(folder, name))


def wait_until(predicate, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if predicate():
            return True
        time.sleep(0.05)
    return predicate()


class Session:
    def __init__(self, folder, notifications=True):
        self.folder = folder
        self.processes = []
        self.agent = None
        daemon = self.spawn(["dbus-daemon", "--session", "--print-address=1", "--nofork"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.address = daemon.stdout.readline().decode().strip()
        self.env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=self.address,
                        DBUS_SYSTEM_BUS_ADDRESS="unix:path=/nonexistent", LC_ALL="C.UTF-8",
                        XDG_STATE_HOME=os.path.join(folder, "state"))
        self.bus = dbus.bus.BusConnection(self.address)
        if not notifications:
            return
        self.spawn([sys.executable, "-m", "dbusmock", "--template", "notification_daemon"],
                   env=self.env, stdout=subprocess.DEVNULL)
        if not wait_until(lambda: self.bus.name_has_owner(SERVICE), 5):
            raise SystemExit("the mock notification service did not start")
        self.mock = dbus.Interface(self.bus.get_object(SERVICE, PATH), dbusmock.MOCK_IFACE)

    def spawn(self, command, **kwargs):
        process = subprocess.Popen(command, **kwargs)
        self.processes.append(process)
        return process

    def start_agent(self, now, agent=AGENT, **extra):
        env = dict(self.env, DAYRAIL_REMIND_NOW=now, DAYRAIL_REMIND_SPEED=str(SPEED), **extra)
        self.agent = self.spawn([agent, "--folder", self.folder], env=env)

    def stop_agent(self):
        self.agent.terminate()
        self.agent.wait(5)

    def notified(self):
        """The notifications sent: their bodies and all their arguments."""
        return [(str(args[4]), args) for _, args in self.mock.GetMethodCalls("Notify")]

    def close(self):
        for process in reversed(self.processes):
            process.kill()
            process.wait()


failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def main():
    with tempfile.TemporaryDirectory() as folder:
        make_folder(folder)
        session = Session(folder)
        try:
            run(session)
        finally:
            session.close()
        check(not os.path.exists(os.path.join(folder, "state")),
              "a folder given on the command line keeps the state beside its files")
        check(os.path.exists(os.path.join(folder, ".dayrail-remind.state")), "the state is kept")
    with tempfile.TemporaryDirectory() as folder:
        make_folder(folder)
        session = Session(folder, notifications=False)
        try:
            run_without_service(session)
        finally:
            session.close()
    return 1 if failures else 0


# Stands in for the program beside the agent: notes what it is asked to show
# and answers «Отложить на 10 минут» once, then «Закрыть».
FAKE_PROGRAM = """#!/bin/sh
log="$(dirname "$0")/asked.log"
printf '%s\\n' "$*" >> "$log"
[ "$(wc -l < "$log")" -eq 1 ] && exit 10
exit 0
"""


def run_without_service(session):
    bin_dir = os.path.join(session.folder, "bin")
    os.mkdir(bin_dir)
    agent = shutil.copy(AGENT, bin_dir)
    program = os.path.join(bin_dir, "dayrail")
    with open(program, "w") as f:
        f.write(FAKE_PROGRAM)
    os.chmod(program, 0o755)
    log = os.path.join(bin_dir, "asked.log")

    def asked():
        if not os.path.exists(log):
            return []
        with open(log, encoding="utf-8") as f:
            return f.read().splitlines()

    session.start_agent("2026-01-04T08:50:00", agent=agent, DISPLAY=":dayrail-test")
    shown = "--show-reminder День рождения Маши: 41 год (7 января, через 3 дня)"
    check(wait_until(lambda: asked(), 5) and asked()[0] == shown,
          "no service: the program's box shows the reminder: %s" % asked())
    check(wait_until(lambda: len(asked()) == 2, 5) and asked()[1] == shown,
          "the box's snooze brings it back: %s" % asked())
    time.sleep(1)
    check(len(asked()) == 2, "closed, it is not asked again: %s" % asked())
    session.stop_agent()


def run(session):
    # Due at 09:00, ten minutes (two real seconds) after the start.
    session.start_agent("2026-01-04T08:50:00")
    time.sleep(1)
    check(not session.notified(), "nothing is sent before its time")
    check(wait_until(lambda: session.notified(), 4), "the birthday is announced")
    sent = session.notified()
    if not sent:
        return
    body, args = sent[0]
    check(body == "День рождения Маши: 41 год (7 января, через 3 дня)", "the age: " + body)
    check(str(args[0]) == "Dayrail XP", "the application's name")
    check([str(a) for a in args[5]][1::2] == ["Отложить на 10 минут", "Отложить на 1 час",
                                              "Отложить до завтра", "Открыть"], "the actions")

    # Snoozed for ten minutes: back two real seconds later, and only then.
    session.mock.EmitSignal(SERVICE, "ActionInvoked", "us", [dbus.UInt32(1), args[5][0]])
    time.sleep(1)
    check(len(session.notified()) == 1, "a snoozed reminder waits")
    check(wait_until(lambda: len(session.notified()) == 2, 4), "a snoozed reminder comes back")
    if len(session.notified()) == 2:
        check("Маши" in session.notified()[1][0], "the snoozed one is back")
    session.stop_agent()

    # Stopped over the report's time (12:00 on the 5th), started as the call
    # falls due: the missed one and the call, the birthday not again.
    session.mock.ClearCalls()
    session.start_agent("2026-01-06T13:00:00")
    check(wait_until(lambda: len(session.notified()) >= 2, 3), "a missed reminder is shown at start")
    time.sleep(1)
    bodies = [body for body, _ in session.notified()]
    check(len(bodies) == 2 and "Сдать отчёт" in bodies[0] and "Позвонить" in bodies[1],
          "the missed one and the one due, once each: %s" % bodies)
    check(bodies[:1] == ["Сдать отчёт (5 января, вчера)"], "a missed day is in the past: %s" % bodies)
    session.stop_agent()

    # Back at that same moment: all of it was shown already.
    session.mock.ClearCalls()
    session.start_agent("2026-01-06T13:00:00")
    time.sleep(1.5)
    check(not session.notified(), "a restart sends nothing twice")

    # An entry added while it runs, due at 13:20 (about three seconds on).
    save_atomically(session.folder, ["6 января  Купить хлеб"])
    check(wait_until(lambda: session.notified(), 5), "a change of the files is read")
    check([body for body, _ in session.notified()] == ["Купить хлеб (6 января, сегодня)"],
          "the added entry only: %s" % session.notified())
    session.stop_agent()


if __name__ == "__main__":
    sys.exit(main())
