#!/usr/bin/python3
"""The idle cost of the real program, against a bare Qt window repainting at 5 Hz.

Runs side by side, each on a private virtual X server of its own:
  - Chronelle shown (no notification area, so the clock stays on the screen),
  - Chronelle hidden in a notification area (trayer),
each with 10 and with 256 alarms none of which falls due meanwhile, and the
baseline window (bench/idle/baseline.cpp, built with the project). After a
warm-up every program is measured for the same minute: CPU time (the
scheduler's per-thread run time, all threads), wakeups (voluntary context
switches summed over all threads) and resident memory. Prints one table and
the ratios the project's goals are stated in.

  bench/idle_cost.py [--seconds 60] [--warmup 10] [--repetitions 1]

Needs Xvfb, trayer and dbus-daemon (the test packages). Nothing here touches
the machine's own display, buses or data: every program gets a folder,
runtime folder and buses of its own, and everything started is stopped again
by its process id.
"""

import argparse
import datetime
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = Path(os.environ.get("CHRONELLE_BUILD_DIR", ROOT / "build"))


def catalogue(count):
    """An alarm list of `count` rows of every frequency, all hours ahead."""
    frequencies = ["Once", "Daily", "Weekly", "Monthly", "Yearly"]
    now = datetime.datetime.now()
    lines = [str(count)]
    for slot in range(count):
        at = now + datetime.timedelta(hours=3, minutes=(7 * slot) % 600)
        day = now + datetime.timedelta(days=1 + slot % 300)
        lines += [f"Alarm {slot}", frequencies[slot % len(frequencies)], at.strftime("%I:%M:%S %p"),
                  f"{day.month}/{day.day}/{day.year}", at.strftime("%H%M%S"), day.strftime("%d%m%Y"),
                  "0111110", str(slot)]
    return ("\r\n".join(lines) + "\r\n").encode()


class Services:
    """Processes this script started, stopped by their ids in reverse order."""

    def __init__(self):
        self.processes = []

    def start(self, command, env=None, **kwargs):
        process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
        for process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


def free_display(start):
    number = start
    while Path(f"/tmp/.X11-unix/X{number}").exists() or Path(f"/tmp/.X{number}-lock").exists():
        number += 1
    return number


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.1)
    sys.exit(f"idle_cost: {what} did not come up")


def thread_counters(pid):
    """{thread id: (run time in ns, voluntary context switches)} of every live thread."""
    counters = {}
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            runtime = int((task / "schedstat").read_text().split()[0])
            switches = next(int(line.split()[1]) for line in (task / "status").read_text().splitlines()
                            if line.startswith("voluntary_ctxt_switches:"))
            counters[task.name] = (runtime, switches)
        except (FileNotFoundError, ProcessLookupError, StopIteration):
            pass  # a thread that ended meanwhile
    return counters


def growth(before, after):
    """What the threads did between two readings; a thread born meanwhile counts from zero."""
    runtime = sum(after[t][0] - before.get(t, (0, 0))[0] for t in after)
    switches = sum(after[t][1] - before.get(t, (0, 0))[1] for t in after)
    return runtime, switches


def rss_mb(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return 0.0


def visible_window(display, name):
    """Whether a window called `name` is mapped on the display (None: can't tell)."""
    if not shutil.which("xdotool"):
        return None
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"], capture_output=True,
                           env=dict(os.environ, DISPLAY=display))
    return bool(found.stdout.strip())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=int, default=60, help="length of the measurement (60)")
    parser.add_argument("--warmup", type=int, default=10, help="seconds before it (10)")
    parser.add_argument("--repetitions", type=int, default=1, help="runs of each program at once; medians (1)")
    parser.add_argument("--display-base", type=int, default=200, help="first X display number to try (200)")
    args = parser.parse_args()

    for tool in ("Xvfb", "trayer", "dbus-daemon"):
        if not shutil.which(tool):
            sys.exit(f"idle_cost: {tool} is missing; install the test packages (scripts/setup.sh test)")
    subprocess.run(["cmake", "--build", str(BUILD), "--target", "chronelle", "idle_baseline"], check=True,
                   stdout=subprocess.DEVNULL)

    cases = [("Chronelle shown, 10 alarms", "shown", 10), ("Chronelle hidden, 10 alarms", "hidden", 10),
             ("Chronelle shown, 256 alarms", "shown", 256), ("Chronelle hidden, 256 alarms", "hidden", 256),
             ("bare Qt window, 5 Hz", "baseline", 0)]
    services = Services()
    work = Path(tempfile.mkdtemp(prefix="chronelle-idle-"))
    try:
        bus = subprocess.run(["dbus-daemon", "--session", "--print-address=1", "--print-pid=1", "--fork",
                              "--nopidfile"], capture_output=True, text=True, check=True).stdout.split()
        bus_address, bus_pid = bus[0], int(bus[1])
        runs = []
        display_number = args.display_base
        for name, kind, alarms in cases:
            for repetition in range(args.repetitions):
                display_number = free_display(display_number)
                display = f":{display_number}"
                services.start(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"])
                wait_for(lambda: Path(f"/tmp/.X11-unix/X{display_number}").exists(), 10, f"Xvfb {display}")
                display_number += 1
                folder = work / f"{kind}-{alarms}-{repetition}"
                (folder / "runtime").mkdir(parents=True, mode=0o700)
                env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(folder / "runtime"),
                           XDG_CONFIG_HOME=str(folder / "config"), XDG_DATA_HOME=str(folder / "data"),
                           DBUS_SYSTEM_BUS_ADDRESS=bus_address, DBUS_SESSION_BUS_ADDRESS=bus_address)
                env.pop("WAYLAND_DISPLAY", None)
                if kind == "hidden":
                    services.start(["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel",
                                    "--width", "120", "--height", "24"], env=env)
                    time.sleep(1)
                if kind == "baseline":
                    program = services.start([str(BUILD / "bench" / "bin" / "idle_baseline")], env=env)
                else:
                    shutil.copy2(BUILD / "bin" / "chronelle", folder / "chronelle")
                    (folder / "al.ini").write_bytes(catalogue(alarms))
                    program = services.start([str(folder / "chronelle")], env=env, cwd=folder)
                runs.append({"name": name, "kind": kind, "alarms": alarms, "pid": program.pid, "display": display,
                             "process": program})

        time.sleep(args.warmup)
        for run in runs:
            if run["process"].poll() is not None:
                sys.exit(f"idle_cost: {run['name']} ended during the warm-up")
            run["rss_start"] = rss_mb(run["pid"])
            run["before"] = thread_counters(run["pid"])
        time.sleep(args.seconds)
        for run in runs:
            runtime, switches = growth(run["before"], thread_counters(run["pid"]))
            run["cpu_ms_per_min"] = runtime / 1e6 * 60 / args.seconds
            run["wakeups_per_s"] = switches / args.seconds
            run["rss"] = rss_mb(run["pid"])
            if run["kind"] != "baseline":
                run["visible"] = visible_window(run["display"], "Chronelle")
        os.kill(bus_pid, signal.SIGTERM)
    finally:
        services.stop()
        shutil.rmtree(work, ignore_errors=True)

    results = {}
    for name, kind, alarms in cases:
        mine = [run for run in runs if run["name"] == name]
        results[name] = {key: statistics.median(run[key] for run in mine)
                         for key in ("cpu_ms_per_min", "wakeups_per_s", "rss", "rss_start")}
        results[name]["visible"] = {run.get("visible") for run in mine}

    print(f"Idle cost, {args.seconds} s after {args.warmup} s of warm-up, {args.repetitions} run(s) of each at once"
          + (" (medians)" if args.repetitions > 1 else ""))
    print(f"{'':30} {'CPU ms/min':>11} {'wakeups/s':>10} {'wakeups/min':>12} {'RSS MB':>7} {'at start':>9}  window")
    for name, _, _ in cases:
        r = results[name]
        shown = {True: "shown", False: "hidden", None: "?"}
        state = "/".join(sorted(shown[v] for v in r["visible"])) if name.startswith("Chronelle") else "shown"
        print(f"{name:30} {r['cpu_ms_per_min']:11.1f} {r['wakeups_per_s']:10.2f} {r['wakeups_per_s'] * 60:12.1f} "
              f"{r['rss']:7.1f} {r['rss_start']:9.1f}  {state}")

    base = results["bare Qt window, 5 Hz"]
    shown10, hidden10 = results["Chronelle shown, 10 alarms"], results["Chronelle hidden, 10 alarms"]
    shown256, hidden256 = results["Chronelle shown, 256 alarms"], results["Chronelle hidden, 256 alarms"]

    def ratio(a, b):
        return a / b if b else float("inf") if a else 1.0

    print()
    print("Ratios and goals")
    goals = [
        ("shown CPU / baseline CPU", ratio(shown10["cpu_ms_per_min"], base["cpu_ms_per_min"]), "<= 0.70"),
        ("shown wakeups / baseline wakeups", ratio(shown10["wakeups_per_s"], base["wakeups_per_s"]), ""),
        ("shown wakeups per second", shown10["wakeups_per_s"], "<= 6"),
        ("hidden CPU / baseline CPU", ratio(hidden10["cpu_ms_per_min"], base["cpu_ms_per_min"]), ""),
        ("hidden CPU ms per minute", hidden10["cpu_ms_per_min"], "< 7"),
        ("hidden wakeups per minute", hidden10["wakeups_per_s"] * 60, "<= 1"),
        ("256 / 10 alarms, shown CPU", ratio(shown256["cpu_ms_per_min"], shown10["cpu_ms_per_min"]), "<= 1 (noise)"),
        ("256 / 10 alarms, shown wakeups", ratio(shown256["wakeups_per_s"], shown10["wakeups_per_s"]), "<= 1"),
        ("hidden wakeups per minute, 256 alarms", hidden256["wakeups_per_s"] * 60, "<= 1"),
        ("RSS at start, MB (shown, 10)", shown10["rss_start"], "<= 32"),
    ]
    for label, value, goal in goals:
        print(f"  {label:36} {value:8.2f}   {goal}")


if __name__ == "__main__":
    main()
