#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""Damaged and hostile files against the built program: for each case a fresh
program folder is prepared, the program started on a private Xvfb screen with a
window manager, the time until its first window shows (a message box or the
main window) and the peak memory measured; then it is closed as a user would
(every message box, then the main window, which saves) and the case's files
are checked: kept when each is as it was, or its original is in "<name>.bak".

Usage: bench/hostile.py BIN_DIR [RUNS] [CASE...]
BIN_DIR holds the built program (build/bin); RUNS (default 3) per case, the
median time and the largest peak are shown. Needs xvfb openbox xdotool wmctrl
imagemagick.
"""
import atexit, functools, hashlib, os, shutil, signal, socket, statistics, struct, subprocess, sys, tempfile, time, zlib

PROGRAM = "dayrail"
UP_TIMEOUT = 60.0

# ---- files ----

def write(path, data):
    with open(path, "wb") as f:
        f.write(data)

def text(lines, end=b"\r\n", encoding="cp1251"):
    return b"".join(l.encode(encoding) + end for l in lines)

DAYS = [str(d) for d in (5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16)]
ENTRIES = ["7 января  Рождество", "8 марта  Женский день"]

def profile_lines():
    return DAYS + [str(len(ENTRIES))] + ENTRIES

def settings_lines(folder, picture="", profile=None):
    colour = "TRUE" if not picture else "FALSE"
    return DAYS + [str(time.localtime().tm_year), "0", "0", picture, "15780518", "True" if not picture else "",
                   colour, "0", profile or os.path.join(folder, "Работа.cpr")]

def standard(folder, settings=None, profile=None, picture=""):
    """Writes the four files; returns each data file's content as the program
    writes the same data back (what a save may turn a readable file into)."""
    own = {"cnfg.cal": text(settings_lines(folder, picture)), "Работа.cpr": text(profile_lines())}
    write(os.path.join(folder, "cnfg.cal"), settings if settings is not None else own["cnfg.cal"])
    write(os.path.join(folder, "Работа.cpr"), profile if profile is not None else own["Работа.cpr"])
    write(os.path.join(folder, "regional.cal"), text(["TRUE", "FALSE", "TRUE", "FALSE"]))
    write(os.path.join(folder, "transp.cal"), text(["FALSE"] * 4 + ["255"] * 4))
    return own

def png(width, height, colour_type, bit_depth, bytes_per_row):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = zlib.compressobj(9)
    row = b"\0" * (1 + bytes_per_row)
    data = b"".join(raw.compress(row) for _ in range(height)) + raw.flush()
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0)) +
            chunk(b"IDAT", data) + chunk(b"IEND", b""))

def huge_emf(side):
    """252 bytes: a header declaring side x side, one 1x1 bitmap stretched over
    it, the end."""
    header = struct.pack("<II4i4iIIIIHHIII2i2iIII2i", 1, 108, 0, 0, side - 1, side - 1,
                         0, 0, side * 26, side * 26, 0x464D4520, 0x10000, 252, 3, 1, 0,
                         0, 0, 0, 1024, 768, 320, 240, 0, 0, 0, 320000, 240000)
    bmi = struct.pack("<IiiHHIIiiII", 40, 1, 1, 1, 24, 0, 4, 3780, 3780, 0, 0)
    bitmap = struct.pack("<II4i2i2i2iIIIIII2i", 81, 124, 0, 0, side - 1, side - 1, 0, 0,
                         0, 0, 1, 1, 80, 40, 120, 4, 0, 0x00CC0020, side, side) + bmi + b"\0" * 4
    end = struct.pack("<IIIII", 14, 20, 0, 16, 20)
    data = header + bitmap + end
    assert len(data) == 252
    return data

# ---- cases: name -> prepare(folder) returning the files whose data must stay ----

# A case prepares a folder and returns {file: the program's own form of its
# data}: after the close each file must be as it was, or in that form, or its
# original must be in "<file>.bak".

def case_clean(folder):
    return standard(folder)

def case_settings_cr(folder):
    return standard(folder, settings=text(settings_lines(folder), end=b"\r"))

def case_settings_bom(folder):
    return standard(folder, settings=b"\xEF\xBB\xBF" + text(settings_lines(folder), encoding="utf-8"))

def case_profile_cr(folder):
    return standard(folder, profile=text(profile_lines(), end=b"\r"))

def case_profile_bom(folder):
    return standard(folder, profile=b"\xEF\xBB\xBF" + text(profile_lines(), encoding="utf-8"))

def case_profile_words(folder):
    own = standard(folder, profile=text(["пятое"] + profile_lines()[1:]))
    own["Работа.cpr"] = None  # a day was lost: only the file itself or its copy keeps it
    return own

def case_profile_10mb_line(folder):
    own = standard(folder, profile=b"7" * (10 << 20) + b"\r\n" + text(profile_lines()[1:]))
    own["Работа.cpr"] = None
    return own

def case_profile_100mb(folder):
    own = standard(folder, profile=b"1" * (100 << 20))
    own["Работа.cpr"] = None
    return own

def case_profile_fifo(folder):
    standard(folder)
    os.unlink(os.path.join(folder, "Работа.cpr"))
    os.mkfifo(os.path.join(folder, "Работа.cpr"))
    return {}  # a pipe holds nothing to keep

def case_settings_10mb_path(folder):
    lines = settings_lines(folder)
    lines[20] = "/" + "п" * (10 << 20)
    own = standard(folder, settings=text(lines))
    own["cnfg.cal"] = None
    return own

def case_moved_folder(folder):
    own = standard(folder, settings=text(settings_lines(folder, profile="/old/place/Работа.cpr")))
    del own["cnfg.cal"]  # rewritten with the profile's new place
    return own

def picture_case(name, make):
    def prepare(folder):
        path = os.path.join(folder, name)
        make(path)
        return standard(folder, settings=text(settings_lines(folder, picture=path)), picture=path)
    return prepare

@functools.lru_cache(maxsize=None)
def cached_png(width, height, colour_type, bit_depth, bytes_per_row):
    return png(width, height, colour_type, bit_depth, bytes_per_row)

def sparse(size):
    def make(path):
        with open(path, "wb") as f:
            f.truncate(size)
    return make

# ---- locks: what a start finds where the lock file belongs ----

LOCK = ".dayrail.lock"

@functools.lru_cache(maxsize=None)
def live_stranger():
    """A live process named like the program that holds no lock of ours: the
    running original of a folder copied along with its lock."""
    where = tempfile.mkdtemp(prefix="dayrail-stranger-")
    shutil.copy2(shutil.which("sleep"), os.path.join(where, PROGRAM))
    proc = subprocess.Popen([os.path.join(where, PROGRAM), "3600"])
    atexit.register(lambda: (proc.kill(), proc.wait(), shutil.rmtree(where, ignore_errors=True)))
    return proc.pid

def lock_case(make):
    def prepare(folder):
        own = standard(folder)
        make(os.path.join(folder, LOCK))
        return own
    return prepare

def lock_text(host, pid=None):
    pid = live_stranger() if pid is None else pid
    return lambda path: write(path, f"{pid}\n{PROGRAM}\n{host}\n".encode())

def bmp(width, height):
    row = (width * 3 + 3) & ~3
    header = struct.pack("<2sIHHI", b"BM", 54 + row * height, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, row * height, 2835, 2835, 0, 0)
    return lambda path: write(path, header + info + b"\x80" * (row * height))

def jpeg(width, height):
    def make(path):
        subprocess.run(["convert", "-size", f"{width}x{height}", "gradient:skyblue-navy", path],
                       check=True)
    return make

CASES = [
    ("clean files", case_clean),
    ("cnfg.cal with CR line ends", case_settings_cr),
    ("cnfg.cal in UTF-8 with BOM", case_settings_bom),
    ("profile with CR line ends", case_profile_cr),
    ("profile in UTF-8 with BOM", case_profile_bom),
    ("profile line 1 not a number", case_profile_words),
    ("profile line 1 of 10 MB", case_profile_10mb_line),
    ("profile of 100 MB, no line end", case_profile_100mb),
    ("profile is a pipe", case_profile_fifo),
    ("cnfg.cal line 21 of 10 MB", case_settings_10mb_path),
    ("folder moved (line 21 elsewhere)", case_moved_folder),
    ("picture is a pipe", picture_case("фон.bmp", os.mkfifo)),
    ("picture is a folder", picture_case("фон.png", os.mkdir)),
    ("picture 1 GB on disk", picture_case("фон.jpg", sparse(1 << 30))),
    ("EMF of 252 B, 20000 x 20000", picture_case("фон.emf", lambda p: write(p, huge_emf(20000)))),
    ("PNG of 20000 x 20000", picture_case("фон.png", lambda p: write(p, cached_png(20000, 20000, 0, 1, 2500)))),
    ("PNG of 8192 x 4096", picture_case("фон.png", lambda p: write(p, cached_png(8192, 4096, 2, 8, 8192 * 3)))),
    ("PNG of 4096 x 4096 (largest accepted)", picture_case("фон.png", lambda p: write(p, cached_png(4096, 4096, 2, 8, 4096 * 3)))),
    ("JPEG of 8000 x 6000 (decoded scaled)", picture_case("фон.jpg", jpeg(8000, 6000))),
    ("BMP of 4096 x 4096 (largest accepted)", picture_case("фон.bmp", bmp(4096, 4096))),
    ("EMF of 4096 x 4096 (largest accepted)", picture_case("фон.emf", lambda p: write(p, huge_emf(4096)))),
    ("lock from another computer", lock_case(lock_text("elsewhere"))),
    ("lock copied with its folder", lock_case(lock_text(socket.gethostname()))),
    ("lock empty", lock_case(lambda p: write(p, b""))),
    ("lock garbage", lock_case(lambda p: write(p, b"\xff\x00garbage\n"))),
    ("lock is a folder", lock_case(os.mkdir)),
    ("lock is a link", lock_case(lambda p: os.symlink("/nonexistent", p))),
]

# ---- screen and program ----

class Screen:
    def __init__(self):
        self.display = 160
        while os.path.exists(f"/tmp/.X11-unix/X{self.display}") or os.path.exists(f"/tmp/.X{self.display}-lock"):
            self.display += 1
        self.env = dict(os.environ, DISPLAY=f":{self.display}", QT_QPA_PLATFORM="xcb",
                        LC_ALL="C.UTF-8")
        self.procs = [subprocess.Popen(["Xvfb", f":{self.display}", "-screen", "0", "1280x1024x24",
                                        "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)]
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{self.display}"):
                break
            time.sleep(0.05)
        self.procs.append(subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))
        time.sleep(0.5)

    def run(self, *args):
        return subprocess.run(args, env=self.env, capture_output=True, text=True).stdout

    def windows(self, pid):
        out = []
        for wid in self.run("xdotool", "search", "--onlyvisible", "--pid", str(pid)).split():
            out.append((wid, self.run("xdotool", "getwindowname", wid).strip()))
        return out

    def close(self, wid):
        self.run("wmctrl", "-i", "-c", hex(int(wid)))

    def stop(self):
        for p in reversed(self.procs):
            p.terminate()
            p.wait()


def peak_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


class Child:
    """The program, reaped by wait4 so that its peak memory is known."""
    def __init__(self, args, cwd, env):
        self.proc = subprocess.Popen(args, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        self.pid = self.proc.pid
        self.usage = None
        self.peak = 0  # KiB

    def sample(self):
        """The peak memory so far, from the kernel's own high-water mark (the
        program's alone: wait4's figure would include this script's before exec)."""
        self.peak = max(self.peak, peak_kib(self.pid))
        return self.peak

    def alive(self, block=False):
        if self.usage is None:
            pid, _, usage = os.wait4(self.pid, 0 if block else os.WNOHANG)
            if pid == self.pid:
                self.usage = usage
                self.proc.returncode = 0  # reaped here, not by Popen
        return self.usage is None


def run_once(screen, bin_dir, prepare):
    folder = tempfile.mkdtemp(prefix="dayrail-hostile-")
    try:
        for name in os.listdir(bin_dir):
            src = os.path.join(bin_dir, name)
            if os.path.isfile(src):
                shutil.copy2(src, folder)
        own = {name: digest(name, data) for name, data in prepare(folder).items()}
        originals = {name: digest(name, open(os.path.join(folder, name), "rb").read())
                     for name in own}
        start = time.monotonic()
        proc = Child([os.path.join(folder, PROGRAM)], folder, screen.env)
        up, peak_up = None, 0
        while time.monotonic() - start < UP_TIMEOUT and proc.alive():
            proc.sample()
            if screen.windows(proc.pid):
                up = time.monotonic() - start
                break
            time.sleep(0.01)
        peak_up = proc.sample()
        messages, closed = close_as_user(screen, proc) if up is not None else (0, False)
        if proc.alive():
            os.kill(proc.pid, signal.SIGKILL)
            proc.alive(block=True)
        kept = all(still_there(folder, name, originals[name], own[name]) for name in own)
        return up, peak_up / 1024, proc.peak / 1024, messages, closed, kept if own else None
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def close_as_user(screen, proc):
    """Answers every message box, then closes the main window; True when the
    program ended by itself."""
    messages = 0
    deadline = time.monotonic() + 30
    while proc.alive() and time.monotonic() < deadline:
        proc.sample()
        wins = screen.windows(proc.pid)
        boxes = [w for w, name in wins if not name.startswith("Календарь")]
        mains = [w for w, name in wins if name.startswith("Календарь")]
        if boxes:
            screen.close(boxes[0])
            messages += 1
        elif mains:
            screen.close(mains[0])
        time.sleep(0.3)
        proc.sample()
    return messages, not proc.alive()


def digest(name, data):
    if data is None:
        return None
    if name.startswith("cnfg.cal"):
        # Lines 1-12 are superseded by the profile's days at every start.
        data = b"\r\n".join(data.split(b"\r\n")[12:])
    return hashlib.sha256(data).hexdigest()


def still_there(folder, name, original, own_form):
    def holds(candidate, data):
        path = os.path.join(folder, candidate)
        return (data is not None and os.path.isfile(path)
                and digest(candidate, open(path, "rb").read()) == data)
    return holds(name, original) or holds(name, own_form) or holds(name + ".bak", original)


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    bin_dir = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    chosen = sys.argv[3:]
    screen = Screen()
    try:
        print(f"| case | what happens | data kept | start-up | peak memory at start | peak memory, whole run |")
        print(f"|---|---|---|---|---|---|")
        for name, prepare in CASES:
            if chosen and not any(c in name for c in chosen):
                continue
            results = [run_once(screen, bin_dir, prepare) for _ in range(runs)]
            ups = [r[0] for r in results if r[0] is not None]
            up = f"{statistics.median(ups) * 1000:.0f} ms" if len(ups) == runs else "no window"
            messages = max(r[3] for r in results)
            closed = all(r[4] for r in results)
            happens = (f"{messages} message box{'es' if messages != 1 else ''}, "
                       + ("ends on close" if closed else "DOES NOT END"))
            kept = ("—" if results[0][5] is None else
                    "yes" if all(r[5] for r in results) else "NO")
            print(f"| {name} | {happens} | {kept} | {up} | {max(r[1] for r in results):.0f} MiB "
                  f"| {max(r[2] for r in results):.0f} MiB |", flush=True)
    finally:
        screen.stop()


if __name__ == "__main__":
    main()
