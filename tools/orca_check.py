#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""Replays a screen-reader session: Orca, keys, and the lines Orca speaks.

Starts build/bin/dayrail and Orca on a private virtual screen with the
accessibility bus (tools/atspi_session.py), in a fresh data folder, then plays
the SCENARIOS below one after another: each presses its keys and checks the
SPEECH OUTPUT lines of Orca's debug log spoken since it began. No sound is
needed. A scenario may add a check of its own through AT-SPI.

    tools/orca_check.py [--program build/bin/dayrail] [--only WORD] [--keep] [--speech]

Needs orca, python3-pyatspi, at-spi2-core, xvfb, openbox and xdotool (Debian);
prints what each scenario heard and the faults, and exits 1 when there are any.
--speech prints every line Orca spoke.
"""
import argparse
import datetime
import json
import os
import shutil
import signal
import sys
import tempfile
import threading
import time
from dataclasses import dataclass, field

from atspi_session import Report, Screen, end_session, keysym

# --- scenario steps ------------------------------------------------------------
# A step is an xdotool key name ("Tab", "ctrl+Right", "space") or one of these.


@dataclass
class Focus:
    """The keyboard on the named control of the active window (a user gets
    there with Tab; putting it there keeps scenarios short and independent)."""
    name: str
    role: str = ""


@dataclass
class Press:
    """The named control's own action through AT-SPI, as a click would do
    (a page tab, which keys reach only by counting pages)."""
    name: str
    role: str = ""


@dataclass
class Type:
    """Text typed key by key, Cyrillic included."""
    text: str


@dataclass
class Window:
    """Waits for the window of that title to have the keyboard."""
    title: str


@dataclass
class Wait:
    seconds: float


@dataclass
class Scenario:
    name: str
    steps: list
    # Each text must be part of a line Orca speaks after the steps.
    hears: list = field(default_factory=list)
    # Each text must be part of exactly one spoken line.
    once: list = field(default_factory=list)
    # None of these may be spoken.
    never: list = field(default_factory=list)
    # A check of its own: check(session) returns a fault or None.
    check: object = None
    # Steps that undo what the scenario changed.
    after: list = field(default_factory=list)
    # Its window stays open for the next scenario; otherwise Escape goes back
    # to the main window.
    stays: bool = False


def key_of(letter):
    """The xdotool key that types a letter."""
    named = {" ": "space", ".": "period", "-": "minus", ",": "comma", ":": "colon"}
    if letter in named:
        return named[letter]
    if letter.isdigit():
        return letter
    return ("shift+" if letter.isupper() else "") + keysym(letter)


# The menu bar's first menus, as F10 and Right reach them (Right on "Печать"
# would open its first item's submenu instead of the next menu).
MENUS = ["Профили", "Календарь", "Переход", "Печать"]


def menu(title, item=0):
    """F10 to the first menu, Right to the menu, Down to its item, Enter."""
    return ["F10"] + ["Right"] * MENUS.index(title) + ["Down"] * item + ["Return"]


def words_answer_at_once(session):
    """getTextAtOffset(i, WORD_START) on the year field for every offset, each
    within a second; the toolkit's own field looped for ever there."""
    field_ = session.find_control("Выбор года")
    if field_ is None:
        return "no year field"
    text = field_.queryText()
    count = text.characterCount
    for offset in range(count + 1):
        answer = {}
        asker = threading.Thread(target=lambda: answer.update(
            r=text.getTextAtOffset(offset, session.atspi.TEXT_BOUNDARY_WORD_START)), daemon=True)
        began = time.monotonic()
        asker.start()
        asker.join(1.0)
        if "r" not in answer:
            return f"getTextAtOffset({offset}, WORD_START) did not answer within 1 s"
        session.figures.append(f"word at {offset}: {answer['r']!r} in "
                               f"{(time.monotonic() - began) * 1000:.0f} ms")
    return None


def chosen_days(session):
    """The selected day of each month grid of the main window, by month name."""
    days = {}
    for node in session.screen.walk(session.main_window()):
        if node.getRoleName() == "table":
            selected = [node.getChildAtIndex(i).name for i in range(node.childCount)
                        if session.screen.has(node.getChildAtIndex(i), "selected")]
            days[node.name] = selected
    return days


class KeepsDays:
    """Remembers the chosen days before the keys and compares after."""

    def __init__(self):
        self.before = None

    def remember(self, session):
        self.before = chosen_days(session)

    def __call__(self, session):
        after = chosen_days(session)
        changed = [m for m in after if after[m] != self.before.get(m)]
        return f"chosen days changed in {', '.join(changed)}" if changed else None


PAGE_KEYS = KeepsDays()
# A fresh folder shows this year, and the «Сегодня» field today's date.
TODAY = datetime.date.today()
YEAR = TODAY.year
GENITIVE = ["января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа",
            "сентября", "октября", "ноября", "декабря"]
TODAY_TEXT = f"{TODAY.day} {GENITIVE[TODAY.month - 1]} {YEAR} г."


NOMINATIVE = ["Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август",
              "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"]
NEXT_PAGE = (f"{NOMINATIVE[TODAY.month % 12]} {YEAR + (TODAY.month == 12)}")


def alt(letter):
    """A menu of the menu bar by its underlined letter."""
    return "alt+" + keysym(letter)


def new_profile(name):
    return [Focus("Имя нового профиля"), "ctrl+a", Type(name), Focus("Создать новый профиль"),
            "space"]

SCENARIOS = [
    Scenario("Следующий год", [Focus("Следующий"), "space"], hears=[f"{YEAR + 1} год"]),
    Scenario("Предыдущий год", [Focus("Предыдущий"), "space"], hears=[f"{YEAR} год"]),
    Scenario("Перейти к году", [Focus("Выбор года"), "ctrl+a", Type("2030"), Focus("Перейти"),
                                "space"], hears=["2030 год"],
             after=[Focus("Выбор года"), "ctrl+a", Type(str(YEAR)), "Return"]),
    Scenario("Ctrl+Right in the year field", [Focus("Выбор года"), "ctrl+a", Type(str(YEAR)), "Home",
                                              "ctrl+Right", "ctrl+Left", "ctrl+Right"],
             hears=[str(YEAR)], check=words_answer_at_once),
    Scenario("PageUp and PageDown move the keyboard only",
             [Focus("Ноябрь", "table"), "Right", PAGE_KEYS.remember, "Page_Up", "Page_Up",
              "Page_Down"],
             hears=[f"Октябрь {YEAR}", f"Сентябрь {YEAR}"], check=PAGE_KEYS),
    Scenario("«Сегодня» heard once", [Focus("Выбор года"), "shift+Tab"],
             hears=["Сегодня"], once=[TODAY_TEXT, "Сегодня"]),
    Scenario("F10 opens the menu bar", ["F10"], hears=["Выбрать профиль"]),
    Scenario("Go to a date", menu("Переход") + [Window("Перейти к"), Focus("День")] +
             ["Down"] * 5 + [Focus("Месяц")] + ["Down"] * 3 +
             [Focus("Год"), Type("2026"), "Return"],
             hears=["четверг, 5 марта 2026 г."]),
    Scenario("Create a profile", menu("Профили") + [Window("Настройки"),
                                                   *new_profile("Работа")],
             hears=['Профиль "Работа.cpr" создан'], stays=True),
    Scenario("Enter switches profiles", [Focus("Удалить профиль"), "Tab", "End", "Return"],
             hears=["Сейчас используется профиль: Работа.cpr"], stays=True),
    Scenario("Rename a profile", new_profile("Лето") + [
        Focus("Удалить профиль"), "Tab", "Home", Focus("Изменить имя профиля"), "ctrl+a",
        Type("Дом.cpr"), Focus("Изменить", "push button"), "space"],
             hears=['Профиль "Лето.cpr" переименован в "Дом.cpr"'], stays=True),
    Scenario("Delete a profile to the trash", [Focus("Удалить профиль"), "Tab", "Home", "End",
                                               Focus("Удалить профиль"), "space"],
             hears=['Профиль "Работа.cpr" перемещён в корзину']),
    Scenario("Settings start on the page's first field", menu("Профили") + [Window("Настройки")],
             hears=["Имя нового профиля"], never=["Удалить профиль"]),
    # Drop-downs take the keyboard by Tab: AT-SPI cannot hand it to them.
    Scenario("Add a holiday",
             menu("Профили") + [Window("Настройки"), Press("Праздники", "page tab"),
                                  Focus("Подпись"), Type("Женский день"), Focus("Год", "text"),
                                  "shift+Tab"] + ["Down"] * 3 + ["shift+Tab"] + ["Down"] * 8 +
             [Focus("Добавить"), "space"],
             hears=["Добавлено: 8 марта  Женский день"], stays=True),
    Scenario("Delete a holiday", [Focus("Импорт из iCalendar..."), "Tab", "space", "Delete"],
             hears=["Удалено: 8 марта  Женский день"]),
    Scenario("One-month window reads its days and turns its page aloud",
             [alt("в"), "Down", "Down", "Return", Window("Один месяц"), "Left", "Right",
              "Page_Down"],
             hears=["сегодня", NEXT_PAGE]),
    Scenario("Compare-months window turns its page aloud",
             ["ctrl+c", Window("Сравнение месяцев"), "Tab", "Page_Down"], hears=[NEXT_PAGE]),
    Scenario("Colour list says its value",
             [alt("н"), "Down", "Return", Window("Фон"), "Tab", "Down"],
             hears=["Цвет", "Кремовый"]),
    Scenario("Print-scale buttons take the keyboard",
             menu("Печать") + ["Return", Window("Печать"), "Tab"],
             hears=["Во весь лист", "Печать push button"]),
    Scenario("Floating clock says its time",
             # The first Alt+letter after a dialog closes is at times not
             # taken: the main window's own field first.
             [Focus("Выбор года"), Wait(1), alt("о"), "Return", Window("Часы")],
             hears=["Часы"]),
    Scenario("Escape on the clock-only view brings the main window back",
             [alt("в"), "Down", "Down", "Down", "Return", Wait(2), "Escape"],
             hears=["Календарь"]),
]


class Session:
    def __init__(self, screen, report, log):
        self.screen = screen
        self.atspi = screen.atspi
        self.r = report
        self.log = log
        self.read = 0
        self.figures = []

    def spoken(self):
        """SPEECH OUTPUT lines since the last call; a line Orca is still
        writing waits for the next call."""
        with open(self.log, "rb") as f:
            f.seek(self.read)
            chunk = f.read()
        whole = chunk[:chunk.rfind(b"\n") + 1]
        self.read += len(whole)
        lines = whole.decode("utf-8", errors="replace").splitlines()
        return [line.split("SPEECH OUTPUT:", 1)[1].strip().split("'{")[0].strip("'")
                for line in lines if "SPEECH OUTPUT:" in line]

    def main_window(self):
        return self.screen.find_window(
            lambda w: w.getRoleName() == "frame" and any(
                c is not None and c.getRoleName() == "menu bar" for c in w))

    def find_control(self, name, role=""):
        """The named control, in the active window first, then in any shown."""
        active = self.screen.active_window()
        windows = ([active] if active is not None else []) + \
            [w for w in self.screen.windows() if w != active]
        for window in windows:
            for node in self.screen.walk(window):
                try:
                    if (node.name == name or node.name.startswith(name + " ")) and \
                            (not role or node.getRoleName() == role) and \
                            node.getRoleName() not in ("label", "page tab list", "filler") and \
                            self.screen.has(node, "showing"):
                        return node
                except Exception:
                    continue
        return None

    def step(self, step):
        if isinstance(step, (Focus, Press)):
            node = self.find_control(step.name, step.role)
            if node is None:
                self.r.fault(f"no control named {step.name!r} to reach", 1)
                return
            if isinstance(step, Focus):
                node.queryComponent().grabFocus()
            else:
                node.queryAction().doAction(0)
            time.sleep(0.6)
        elif isinstance(step, Type):
            self.type_text(step.text)
        elif isinstance(step, Window):
            if not self.screen.wait(lambda: any(w.name.startswith(step.title)
                                                for w in self.screen.windows()), 15):
                self.r.fault(f"the window {step.title!r} never took the keyboard", 1)
        elif isinstance(step, Wait):
            time.sleep(step.seconds)
        elif callable(step):
            step(self)
        else:
            self.screen.key(step, pause=0.8)

    def type_text(self, text):
        """Types text into the focused field and checks it arrived: xdotool
        maps a Cyrillic key just before pressing it, and the program may read
        that first press before the new map (the letter is lost)."""
        for _ in range(3):
            for letter in text:
                self.screen.key(key_of(letter), pause=0.05)
            time.sleep(0.4)
            window = self.screen.active_window()
            field_ = self.screen.focused(window) if window is not None else None
            if field_ is None or self.screen.text(field_).endswith(text):
                return
            self.screen.key("ctrl+a", pause=0.2)
        self.r.fault(f"could not type {text!r}", 1)

    def listen(self, wanted, timeout=10.0, quiet=1.5):
        """Spoken lines until every wanted text was heard (or the time is up)
        and then nothing more for `quiet` seconds: Orca speaks late at times."""
        heard = []
        end = time.monotonic() + timeout
        last = time.monotonic()
        while True:
            new = self.spoken()
            if new:
                heard += new
                last = time.monotonic()
            found = all(any(text in line for line in heard) for text in wanted)
            now = time.monotonic()
            if (found or now > end) and now - last > quiet:
                return heard
            time.sleep(0.2)

    def play(self, scenario, show_speech):
        self.r.say(scenario.name + ":")
        self.spoken()
        for step in scenario.steps:
            self.step(step)
        heard = self.listen(scenario.hears)
        if show_speech:
            for line in heard:
                self.r.say("« " + line + " »", 1)
        if not self.screen.running():
            self.r.fault(f"{scenario.name}: the program ended", 1)
            return
        for text in scenario.hears:
            if not any(text in line for line in heard):
                self.r.fault(f"{scenario.name}: never heard {text!r}", 1)
        for text in scenario.once:
            times = sum(text in line for line in heard)
            if times != 1:
                self.r.fault(f"{scenario.name}: heard {text!r} {times} times", 1)
        for text in scenario.never:
            if any(text in line for line in heard):
                self.r.fault(f"{scenario.name}: heard {text!r}", 1)
        if scenario.check:
            fault = scenario.check(self)
            if fault:
                self.r.fault(f"{scenario.name}: {fault}", 1)
        for step in scenario.after:
            self.step(step)
        if not scenario.stays:
            self.back_to_main()
        if not self.screen.wait(lambda: self.main_window() is not None, 3):
            self.r.fault(f"{scenario.name}: the program does not answer AT-SPI", 1)
        self.listen([], timeout=0)

    def back_to_main(self):
        for _ in range(4):
            main = self.main_window()
            if main is not None and self.screen.has(main, "active"):
                return
            # A view that hides the main window ends on the exit bar.
            way_back = self.find_control("Показать главное окно", "push button")
            if way_back is not None:
                way_back.queryAction().doAction(0)
                time.sleep(0.8)
                continue
            self.screen.key("Escape", pause=0.8)
        self.r.fault("Escape does not lead back to the main window", 1)


# Orca speaks through this server: every line still goes to the debug log,
# and no speech service or sound device is needed. Loaded inside Orca, it
# also has the log written line by line, or the last lines wait in a buffer.
SILENT_SPEECH = """
from orca import debug, speechserver

if debug.debugFile is not None:
    debug.debugFile.reconfigure(line_buffering=True)


class SpeechServer(speechserver.SpeechServer):
    _only = None

    @staticmethod
    def getFactoryName():
        return "silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._only is None:
            SpeechServer._only = SpeechServer()
        return SpeechServer._only

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["silent", "silent"]

    def getVoiceFamilies(self):
        return []
"""


def start_orca(screen, folder):
    log = os.path.join(folder, "orca-debug.out")
    prefs = os.path.join(folder, "orca-prefs")
    os.makedirs(prefs, exist_ok=True)
    with open(os.path.join(prefs, "dayrail_silent_speech.py"), "w") as f:
        f.write(SILENT_SPEECH)
    general = {"speechServerFactory": "dayrail_silent_speech", "firstStart": False,
               "startingProfile": ["Default", "default"]}
    with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
        json.dump({"general": general, "pronunciations": {}, "keybindings": {},
                   "profiles": {"default": dict(general, profile=["Default", "default"])}}, f)
    screen.spawn("orca", ["env", "PYTHONPATH=" + prefs, "orca", "--replace", "-u", prefs,
                          "--debug-file", log])
    started = time.monotonic()
    while time.monotonic() - started < 20:
        if os.path.exists(log) and "SPEECH OUTPUT" in open(log, errors="replace").read():
            return log
        time.sleep(0.2)
    raise RuntimeError("Orca never spoke")


def dismiss_start_windows(session):
    """Start-up messages and the tip of the day: Escape until the main window
    has kept the keyboard for three seconds."""
    steady = None
    end = time.monotonic() + 30
    while time.monotonic() < end:
        main = session.main_window()
        if main is not None and session.screen.has(main, "active"):
            steady = steady or time.monotonic()
            if time.monotonic() - steady > 3:
                return
        else:
            steady = None
            session.screen.key("Escape", pause=1.0)
        time.sleep(0.2)
    session.r.fault("the main window never kept the keyboard after start-up")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=os.path.join(here, "..", "build", "bin", "dayrail"))
    parser.add_argument("--only", help="play only the scenarios whose name holds this word")
    parser.add_argument("--keep", action="store_true", help="keep the data folder and Orca's log")
    parser.add_argument("--speech", action="store_true", help="print every spoken line")
    args = parser.parse_args()
    if not os.access(args.program, os.X_OK):
        sys.exit(f"no program at {args.program}: build it first")
    if shutil.which("orca") is None:
        sys.exit("no orca: tools/deps.sh reader installs it")

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(2))
    folder = tempfile.mkdtemp(prefix="dayrail-orca-")
    # A portable copy keeps its files beside itself: a fresh folder is fresh data.
    shutil.copy2(args.program, folder)
    tips = os.path.join(os.path.dirname(args.program), "tips.cal")
    if os.path.exists(tips):
        shutil.copy2(tips, folder)
    # The desktop's trash and Orca's settings stay inside the folder.
    os.environ["XDG_DATA_HOME"] = os.path.join(folder, "xdg-data")
    os.environ["XDG_CONFIG_HOME"] = os.path.join(folder, "xdg-config")
    report = Report()
    screen = Screen(os.path.join(folder, "dayrail"), folder)
    try:
        screen.start()
        session = Session(screen, report, start_orca(screen, folder))
        dismiss_start_windows(session)
        for scenario in SCENARIOS:
            if args.only and args.only.lower() not in scenario.name.lower():
                continue
            if not screen.running():
                report.fault("the program ended before " + scenario.name)
                break
            session.play(scenario, args.speech)
        for figure in session.figures:
            report.say(figure, 1)
    finally:
        end_session(screen, folder, args.keep, "data folder and Orca's log")
    return report.exit_code()


if __name__ == "__main__":
    sys.exit(main())
