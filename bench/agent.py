#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""The reminder agent at rest beside a bare QtCore program, both started in
the same run on a private session bus: resident memory (now, peak, and its
proportional share, which counts shared library pages by their users) and
processor time over SECONDS of idling, counted from one second after start.
The agent reads a folder with a profile of 40 dated entries, all reminded
of three days ahead.

Usage: bench/agent.py [BUILD_DIR] [SECONDS]
Needs the agent (build/bin/dayrail-remind) and bench_corebaseline
(cmake --build BUILD_DIR --target bench_corebaseline)."""
import os
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10
months = ["января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа",
          "сентября", "октября", "ноября", "декабря"]


def write_1251(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1251"))


def make_folder(folder):
    entries = [f"{1 + k % 28} {months[k % 12]} {1960 + k}г. День рождения {k}" for k in range(40)]
    profile = os.path.join(folder, "Дом.cpr")
    write_1251(profile, ["1"] * 12 + [str(len(entries))] + entries)
    write_1251(os.path.join(folder, "cnfg.cal"),
               ["1"] * 12 + ["2026", "0", "0", "", "clSkyBlue", "True", "TRUE", "clBlack",
                             profile])
    with open(profile + ".reminders", "w", encoding="utf-8") as f:
        f.write("dayrail-reminders 1\ncommon 3 days 09:00 yearly\n")


def status(pid, field, name="status"):
    with open(f"/proc/{pid}/{name}") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])  # kB
    return 0


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def main():
    ticks = os.sysconf("SC_CLK_TCK")
    with tempfile.TemporaryDirectory() as folder:
        make_folder(folder)
        daemon = subprocess.Popen(["dbus-daemon", "--session", "--print-address=1", "--nofork"],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        address = daemon.stdout.readline().decode().strip()
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=address, XDG_STATE_HOME=folder)
        programs = {
            "dayrail-remind": [os.path.join(build, "bin", "dayrail-remind"), "--folder", folder],
            "bare QtCore": [os.path.join(build, "bench", "bench_corebaseline")],
        }
        running = {name: subprocess.Popen(cmd, env=env) for name, cmd in programs.items()}
        try:
            time.sleep(1)
            start = {name: cpu_ticks(p.pid) for name, p in running.items()}
            time.sleep(seconds)
            for name, p in running.items():
                used = (cpu_ticks(p.pid) - start[name]) / ticks
                print(f"{name:15} RSS {status(p.pid, 'VmRSS') / 1024:5.1f} MiB, "
                      f"peak {status(p.pid, 'VmHWM') / 1024:5.1f} MiB, "
                      f"PSS {status(p.pid, 'Pss', 'smaps_rollup') / 1024:5.1f} MiB, "
                      f"CPU {used:.2f} s over {seconds:g} s idle")
        finally:
            for p in list(running.values()) + [daemon]:
                p.kill()
                p.wait()


if __name__ == "__main__":
    main()
