# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private virtual screen with a window manager, a session bus and the
accessibility bus, the program on it, and the AT-SPI and key helpers that
tools/atspi_check.py drives it with."""
import os
import shutil
import subprocess
import time

_CYRILLIC = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
_KEYSYMS = ["a", "be", "ve", "ghe", "de", "ie", "io", "zhe", "ze", "i", "shorti", "ka", "el",
            "em", "en", "o", "pe", "er", "es", "te", "u", "ef", "ha", "tse", "che", "sha",
            "shcha", "hardsign", "yeru", "softsign", "e", "yu", "ya"]


# Roles that report focus while a control inside them has it.
_HOLDERS = {"filler", "panel", "page tab list", "page tab", "frame", "dialog", "window",
            "scroll pane", "viewport", "popup menu", "alert"}


def keysym(letter):
    """The X key name of a menu letter; xdotool cannot take Cyrillic text."""
    lower = letter.lower()
    if lower in _CYRILLIC:
        return "Cyrillic_" + _KEYSYMS[_CYRILLIC.index(lower)]
    return lower


class Screen:
    def __init__(self, program, folder):
        self.program = program
        self.folder = folder
        self.atspi = None
        self._procs = {}
        self._log = None

    # --- processes -------------------------------------------------------------

    def start(self):
        display = 170
        while os.path.exists(f"/tmp/.X11-unix/X{display}") or \
                os.path.exists(f"/tmp/.X{display}-lock"):
            display += 1
        env = dict(os.environ)
        env["DISPLAY"] = f":{display}"
        self._spawn("xvfb", ["Xvfb", env["DISPLAY"], "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], env)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display}"):
                break
            time.sleep(0.05)
        bus = self._spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          env, stdout=subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        env.pop("AT_SPI_BUS_ADDRESS", None)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env.pop("QT_QPA_PLATFORM", None)
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        self._env = env
        self._spawn("openbox", ["openbox"], env)
        time.sleep(0.5)
        # The bus first, so the program finds it at once.
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.a11y.Bus.GetAddress"], env=env,
                       stdout=subprocess.DEVNULL, check=False)
        import pyatspi  # after the buses are set: it connects on import
        self.atspi = pyatspi
        self._log = open(os.path.join(self.folder, "program.log"), "w")
        self._spawn("program", [self.program], env, cwd=self.folder, stdout=self._log)
        if not self.wait(lambda: self.app() is not None, 20):
            raise RuntimeError("the program never showed up on the accessibility bus")

    def _spawn(self, name, argv, env, cwd=None, stdout=subprocess.DEVNULL):
        proc = subprocess.Popen(argv, env=env, cwd=cwd, stdout=stdout,
                                stderr=subprocess.STDOUT if stdout not in
                                (subprocess.DEVNULL, subprocess.PIPE) else subprocess.DEVNULL)
        self._procs[name] = proc
        return proc

    def spawn(self, name, argv, stdout=subprocess.DEVNULL):
        """Another program on the private screen and buses (a screen reader)."""
        return self._spawn(name, argv, self._env, cwd=self.folder, stdout=stdout)

    def running(self):
        return self._procs["program"].poll() is None

    def stop(self):
        # What was spawned later ends first; the buses and the screen last.
        later = [n for n in self._procs if n not in ("program", "openbox", "dbus", "xvfb")]
        for name in later + ["program", "openbox", "dbus", "xvfb"]:
            proc = self._procs.get(name)
            if proc is None or proc.poll() is not None:
                continue
            proc.terminate()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        if self._log:
            self._log.close()

    # --- keys ------------------------------------------------------------------

    def key(self, *keys, pause=0.35):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=self._env, check=False)
        time.sleep(pause)

    def raise_window(self, title):
        subprocess.run(["xdotool", "search", "--name", f"^{title}", "windowactivate"],
                       env=self._env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=False)

    @staticmethod
    def wait(predicate, timeout=3.0):
        end = time.monotonic() + timeout
        while True:
            try:
                if predicate():
                    return True
            except Exception:  # a node gone while asked: ask again
                pass
            if time.monotonic() > end:
                return False
            time.sleep(0.1)

    # --- the accessible tree ---------------------------------------------------

    def app(self):
        pid = self._procs["program"].pid
        for app in self.atspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                continue
        return None

    def windows(self):
        app = self.app()
        return [w for w in app if w is not None and self.has(w, "showing")] if app else []

    def active_window(self):
        return next((w for w in self.windows() if self.has(w, "active")), None)

    def find_window(self, predicate, showing=True):
        app = self.app()
        if app is None:
            return None
        for window in app:
            if window is not None and predicate(window) and (not showing or
                                                             self.has(window, "showing")):
                return window
        return None

    def walk(self, node):
        """node and everything under it; a table's cells are read through its table."""
        if node is None:
            return
        yield node
        try:
            if node.getRoleName() in ("table", "tree table", "list"):
                return
            children = list(node)
        except Exception:
            return
        for child in children:
            if child is not None:
                yield from self.walk(child)

    def has(self, node, state):
        try:
            # The library keeps states from the program's events; a missed
            # event would leave a stale one, so each question goes to the program.
            node.clear_cache()
            states = node.getState()
        except Exception:
            return False
        wanted = getattr(self.atspi, "STATE_" + state.upper())
        return states.contains(wanted)

    def focused(self, window):
        """The control with the keyboard focus; the containers around it and
        the current page tab report focus too, so they count last."""
        found = [n for n in self.walk(window) if self.has(n, "focused")]
        controls = [n for n in found if n.getRoleName() not in _HOLDERS]
        tabs = [n for n in found if n.getRoleName() == "page tab"]
        return (controls or tabs or found or [None])[-1]

    @staticmethod
    def ident(node):
        path = []
        current = node
        try:
            while current is not None and current.getRoleName() != "application":
                path.append(current.getIndexInParent())
                current = current.parent
            return tuple(path), node.getRoleName(), node.name
        except Exception:
            return None

    def related(self, node, relation):
        """The nodes node points at by relation ("labelled_by", "label_for"...)."""
        wanted = getattr(self.atspi, "RELATION_" + relation.upper())
        try:
            return [r.getTarget(i) for r in node.getRelationSet()
                    if r.getRelationType() == wanted for i in range(r.getNTargets())]
        except Exception:
            return []

    def labels_of(self, node):
        """The labels a reader names node by."""
        return self.related(node, "labelled_by")

    @staticmethod
    def text(node):
        try:
            text = node.queryText()
            return text.getText(0, text.characterCount)
        except Exception:
            return ""


class Report:
    def __init__(self):
        self.faults = []

    def say(self, text, depth=0):
        print("  " * depth + text, flush=True)

    def fault(self, text, depth=0):
        self.faults.append(text)
        self.say("FAULT: " + text, depth)

    def exit_code(self):
        """Lists the faults again at the end; 1 when there were any."""
        if self.faults:
            print(f"\n{len(self.faults)} faults:")
            for fault in self.faults:
                print("  " + fault)
            return 1
        print("no faults")
        return 0


def end_session(screen, folder, keep, kept_what):
    """Ends what the screen started, then keeps or removes the run's folder."""
    screen.stop()
    if keep:
        print(f"{kept_what}: {folder}")
    else:
        shutil.rmtree(folder, ignore_errors=True)
