#!/usr/bin/python3
"""What a ringing alarm costs the real program, and what it leaves behind.

Each program runs on a private virtual X server and a private sound server
with a null sink, in a program folder of its own, with two alarms of the
built-in sound due a little after its start: the first is the cold ring (the
first since start), the second, after the first window has been closed with
its OK button, the warm one. For each ring it measures

  - the delay from the due second to the ringing window being mapped (the X
    server's MapNotify, read by xev) and to the first audible sample at the
    null sink's monitor (read by parec with a short latency);
  - while the window rings: CPU time per minute and wakeups (voluntary context
    switches) per minute over the program and every process it started, read
    ten times a second, so that a thread that ends meanwhile keeps what it
    was last seen with;
  - the program's resident memory and threads before the ring, while it rings
    and after the window has closed, and its wakeups per minute idle before
    the first ring and after the last.

With --baseline FOLDER a second program folder (say, build/bin of the branch
you compare with, copied aside) is measured in the same run, side by side,
and the ratios of this build's figures to it are printed.

  bench/ringing_cost.py [--baseline FOLDER] [--program FOLDER] [--ring-seconds 30] [--idle-seconds 10] [--threads]

Needs Xvfb, xev (x11-utils), xdotool, pulseaudio and parec (the test packages).
Nothing touches the machine's own display, sound or buses: every program gets
its own, and everything started is stopped again by its process id.
"""

import argparse
import datetime
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = Path(os.environ.get("CHRONELLE_BUILD_DIR", ROOT / "build"))
RATE = 48000
# A sample above this (of 32767) counts as audible: the sink is silent otherwise.
AUDIBLE = 64


class Services:
    """Processes this script started, stopped by their ids in reverse order."""

    def __init__(self):
        self.processes = []

    def start(self, command, env=None, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(command, env=env, **kwargs)
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
                process.wait()


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.05)
    raise RuntimeError(f"{what} did not come up")


def free_display(start):
    number = start
    while Path(f"/tmp/.X11-unix/X{number}").exists() or Path(f"/tmp/.X{number}-lock").exists():
        number += 1
    return number


def process_tree(pid):
    """The process and all its descendants that are alive now."""
    children = {}
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            ppid = int((entry / "stat").read_text().rsplit(")", 1)[1].split()[1])
        except (FileNotFoundError, ProcessLookupError, IndexError):
            continue
        children.setdefault(ppid, []).append(int(entry.name))
    tree, todo = [], [pid]
    while todo:
        current = todo.pop()
        tree.append(current)
        todo += children.get(current, [])
    return tree


def tree_counters(pid):
    """{(process, thread, name): (run time in ns, voluntary context switches)} over the process tree."""
    counters = {}
    for process in process_tree(pid):
        try:
            tasks = list(Path(f"/proc/{process}/task").iterdir())
        except FileNotFoundError:
            continue
        for task in tasks:
            try:
                runtime = int((task / "schedstat").read_text().split()[0])
                switches = next(int(line.split()[1]) for line in (task / "status").read_text().splitlines()
                                if line.startswith("voluntary_ctxt_switches:"))
                name = ("" if process == pid else "child ") + (task / "comm").read_text().strip()
                counters[(process, task.name, name)] = (runtime, switches)
            except (FileNotFoundError, ProcessLookupError, StopIteration):
                pass  # ended meanwhile
    return counters


def by_thread(before, after, minutes):
    """Wakeups per minute of each thread name, most first."""
    names = {}
    for key in after:
        names[key[2]] = names.get(key[2], 0) + (after[key][1] - before.get(key, (0, 0))[1]) / minutes
    return sorted(names.items(), key=lambda item: -item[1])


def growth(before, after):
    """What the threads did between two readings; one born meanwhile counts from zero."""
    runtime = sum(after[t][0] - before.get(t, (0, 0))[0] for t in after)
    switches = sum(after[t][1] - before.get(t, (0, 0))[1] for t in after)
    return runtime, switches


def memory_and_threads(pid):
    """(resident MB, threads) of the process itself, (resident MB, processes) of what it started."""
    def status(process):
        values = {}
        for line in Path(f"/proc/{process}/status").read_text().splitlines():
            key, _, value = line.partition(":")
            values[key] = value.split()
        return int(values["VmRSS"][0]) / 1024, int(values["Threads"][0])

    rss, threads = status(pid)
    others = 0.0
    descendants = [p for p in process_tree(pid) if p != pid]
    for process in descendants:
        try:
            others += status(process)[0]
        except FileNotFoundError:
            pass
    return {"rss": rss, "threads": threads, "child_rss": others, "children": len(descendants)}


class MonitorRecorder(threading.Thread):
    """Reads the null sink's monitor and keeps the wall times of audible stretches' first samples."""

    def __init__(self, env, services):
        super().__init__(daemon=True)
        self.process = services.start(["parec", "-d", "bench.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
                                       "--channels=1", "--latency-msec=5"], env=env, stdout=subprocess.PIPE)
        self.onsets = []  # wall times of a first audible sample after at least 0.5 s of silence
        self.last_audible = 0.0

    def run(self):
        stream = self.process.stdout
        while True:
            chunk = os.read(stream.fileno(), 960)
            now = time.time()
            if not chunk:
                return
            samples = memoryview(chunk[: len(chunk) // 2 * 2]).cast("h")
            for offset, value in enumerate(samples):
                if abs(value) > AUDIBLE:
                    heard = now - (len(samples) - offset) / RATE
                    if heard - self.last_audible > 0.5:
                        self.onsets.append(heard)
                    break
            else:
                continue
            # the last audible sample of the chunk
            for offset in range(len(samples) - 1, -1, -1):
                if abs(samples[offset]) > AUDIBLE:
                    self.last_audible = now - (len(samples) - offset) / RATE
                    break

    def first_after(self, moment):
        return next((onset for onset in self.onsets if onset >= moment - 0.2), None)


class MapWatcher(threading.Thread):
    """Keeps the wall time of every top-level window mapped on the display (xev on the root window)."""

    def __init__(self, env, services):
        super().__init__(daemon=True)
        self.process = services.start(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"], env=env,
                                      stdout=subprocess.PIPE, text=True)
        self.maps = []  # (wall time, window id)

    def run(self):
        for line in self.process.stdout:
            if line.startswith("MapNotify event"):
                moment = time.time()
                for follow in self.process.stdout:
                    if " window 0x" in follow:
                        self.maps.append((moment, follow.split(" window ")[1].split(",")[0]))
                        break


def window_name(env, window):
    result = subprocess.run(["xdotool", "getwindowname", window], env=env, capture_output=True, text=True)
    return result.stdout.strip()


def catalogue(alarms):
    """al.ini with one Once row per (file number, due moment)."""
    lines = [str(len(alarms))]
    for number, due in alarms:
        lines += [f"Ring {number}", "Once", due.strftime("%I:%M:%S %p"), f"{due.month}/{due.day}/{due.year}",
                  due.strftime("%H%M%S"), due.strftime("%d%m%Y"), "1111111", str(number)]
    return ("\r\n".join(lines) + "\r\n").encode()


def alarm_file(due):
    """An alarm that loops the first built-in sound at full volume until OK."""
    lines = ["***Frequency***", "0", "***Date time***", str(due.hour), str(due.minute), str(due.second),
             str(due.year), str(due.month), str(due.day), "***Days of week***"] + ["TRUE"] * 7
    lines += ["***SongList***", "FALSE", "0", "TRUE", "0", "15", "***FadeIn FadeOut***", "FALSE", "5", "FALSE", "30",
              "***Snooze time***", "10", "FALSE", "2", "***Alarm volum***", "100", "***Closing method***", "TRUE",
              "FALSE", "FALSE", "2", "***Saving poweer***", "0", "***Memo***", ""]
    return "\r\n".join(lines).encode()


class Bench:
    """One program folder measured on its own X server and sound server."""

    def __init__(self, label, program_folder, work, display_number, args):
        self.label = label
        self.source = Path(program_folder)
        self.work = work / label.replace(" ", "-")
        self.display_number = display_number
        self.args = args
        self.services = Services()
        self.results = {}
        self.error = None

    def setup(self):
        folder = self.work / "program"
        shutil.copytree(self.source, folder, symlinks=True,
                        ignore=shutil.ignore_patterns("*.ini", "alarms.log", "*.lock"))
        runtime = self.work / "runtime"
        runtime.mkdir(mode=0o700)
        display = f":{self.display_number}"
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(runtime),
                        XDG_CONFIG_HOME=str(self.work / "config"), XDG_DATA_HOME=str(self.work / "data"),
                        PULSE_SERVER=f"unix:{runtime}/pulse/native")
        self.env.pop("WAYLAND_DISPLAY", None)
        bus = subprocess.run(["dbus-daemon", "--session", "--print-address=1", "--print-pid=1", "--fork",
                              "--nopidfile"], capture_output=True, text=True, check=True).stdout.split()
        self.bus_pid = int(bus[1])
        self.env.update(DBUS_SESSION_BUS_ADDRESS=bus[0], DBUS_SYSTEM_BUS_ADDRESS=bus[0])
        self.services.start(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"])
        wait_for(lambda: Path(f"/tmp/.X11-unix/X{self.display_number}").exists(), 10, f"Xvfb {display}")
        (runtime / "pulse").mkdir()
        self.services.start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                             "--use-pid-file=no", "-L", f"module-null-sink sink_name=bench rate={RATE} channels=2",
                             "-L", f"module-native-protocol-unix auth-anonymous=1 socket={runtime}/pulse/native"],
                            env=self.env)
        wait_for(lambda: subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode == 0, 10,
                 "pulseaudio")
        subprocess.run(["pactl", "set-default-sink", "bench"], env=self.env, check=True, capture_output=True)
        self.recorder = MonitorRecorder(self.env, self.services)
        self.recorder.start()
        self.maps = MapWatcher(self.env, self.services)
        self.maps.start()
        self.folder = folder

    def start_program(self, first_due, second_due):
        (self.folder / "al.ini").write_bytes(catalogue([(0, first_due), (1, second_due)]))
        (self.folder / "0.ini").write_bytes(alarm_file(first_due))
        (self.folder / "1.ini").write_bytes(alarm_file(second_due))
        self.program = self.services.start([str(self.folder / "chronelle")], env=self.env, cwd=self.folder,
                                           stderr=open(self.work / "stderr.txt", "wb"))

    def sample(self, name):
        if self.program.poll() is not None:
            raise RuntimeError(f"the program ended (status {self.program.returncode})")
        self.results[name] = memory_and_threads(self.program.pid)

    def begin(self):
        self.counters = tree_counters(self.program.pid)
        self.latest = dict(self.counters)
        self.began = time.monotonic()

    def refresh(self):
        """Reads the counters again: a thread that ends keeps what it was last seen with."""
        self.latest.update(tree_counters(self.program.pid))

    def end(self, name):
        self.refresh()
        after = self.latest
        runtime, switches = growth(self.counters, after)
        minutes = (time.monotonic() - self.began) / 60
        self.results[name] = {"cpu_ms": runtime / 1e6 / minutes, "wakeups": switches / minutes,
                              "threads": by_thread(self.counters, after, minutes)}

    def ring_delays(self, name, due):
        epoch = due.timestamp()
        mapped = None
        for moment, window in self.maps.maps:
            if moment >= epoch - 1 and window_name(self.env, window) == "Alarm":
                mapped = moment
                break
        heard = self.recorder.first_after(epoch)
        self.results[name] = {"window": None if mapped is None else (mapped - epoch) * 1000,
                              "sound": None if heard is None else (heard - epoch) * 1000}

    def close_ringing(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Alarm$"], env=self.env,
                               capture_output=True, text=True).stdout.split()
        if not found:
            raise RuntimeError("no ringing window to close")
        # The OK button, at the window's bottom right.
        subprocess.run(["xdotool", "mousemove", "--window", found[0], "317", "268", "click", "1"], env=self.env,
                       check=True)
        wait_for(lambda: not subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Alarm$"],
                                            env=self.env, capture_output=True, text=True).stdout.split(), 10,
                 "the closing of the ringing window")

    def stop(self):
        self.services.stop()
        try:
            os.kill(self.bus_pid, signal.SIGTERM)
        except (AttributeError, ProcessLookupError):
            pass


def at(moment):
    """Sleeps until the wall time `moment` (a datetime)."""
    delay = moment.timestamp() - time.time()
    if delay > 0:
        time.sleep(delay)


def watch(benches, moment):
    """Sleeps until `moment` while reading the counters ten times a second, so
    that the threads a sound player starts and ends meanwhile are counted."""
    while time.time() < moment.timestamp():
        for bench in benches:
            bench.refresh()
        time.sleep(min(0.1, max(0.0, moment.timestamp() - time.time())))


def run_all(benches, args):
    """The same schedule for every bench, side by side."""
    start = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=2)
    first_due = start + datetime.timedelta(seconds=args.idle_seconds + 10)
    second_due = first_due + datetime.timedelta(seconds=args.ring_seconds + args.idle_seconds + 16)
    for bench in benches:
        bench.start_program(first_due, second_due)
    at(start + datetime.timedelta(seconds=5))
    for bench in benches:
        bench.sample("before")
        bench.begin()
    watch(benches, first_due - datetime.timedelta(seconds=3))
    for bench in benches:
        bench.end("idle before")
    at(first_due + datetime.timedelta(seconds=3))
    for bench in benches:
        bench.begin()
    watch(benches, first_due + datetime.timedelta(seconds=3 + args.ring_seconds))
    for bench in benches:
        bench.end("ringing")
        bench.sample("during")
        bench.ring_delays("cold", first_due)
        bench.close_ringing()
    time.sleep(3)
    for bench in benches:
        bench.sample("after")
        bench.begin()
    watch(benches, second_due - datetime.timedelta(seconds=3))
    for bench in benches:
        bench.end("idle after")
        bench.sample("after, before the second ring")
    at(second_due + datetime.timedelta(seconds=4))
    for bench in benches:
        bench.ring_delays("warm", second_due)
        bench.close_ringing()
    time.sleep(3)
    for bench in benches:
        bench.sample("after both")


def show(bench):
    r = bench.results
    print(f"{bench.label}")

    def ms(value):
        return "   -  " if value is None else f"{value:6.0f}"

    print(f"  delay from the due second, ms     window  sound")
    for ring in ("cold", "warm"):
        print(f"    {ring:30} {ms(r[ring]['window'])} {ms(r[ring]['sound'])}")
    print(f"  {'':34} {'CPU ms/min':>10} {'wakeups/min':>12}")
    for phase in ("idle before", "ringing", "idle after"):
        print(f"    {phase:32} {r[phase]['cpu_ms']:10.1f} {r[phase]['wakeups']:12.0f}")
    if bench.args.threads:
        print("  wakeups per minute while ringing, by thread")
        for name, wakeups in r["ringing"]["threads"][:8]:
            print(f"    {name:32} {wakeups:12.0f}")
    print(f"  {'':34} {'RSS MB':>10} {'threads':>8} {'children':>9} {'their MB':>9}")
    for phase in ("before", "during", "after", "after, before the second ring", "after both"):
        s = r[phase]
        print(f"    {phase:32} {s['rss']:10.1f} {s['threads']:8d} {s['children']:9d} {s['child_rss']:9.1f}")


def compare(new, old):
    def ratio(a, b):
        if a is None or b is None:
            return "   -"
        return f"{a / b:6.2f}" if b else "   inf"

    n, o = new.results, old.results
    print(f"Ratios, {new.label} / {old.label}")
    for ring in ("cold", "warm"):
        for what in ("window", "sound"):
            print(f"  {ring} delay to the {what:30} {ratio(n[ring][what], o[ring][what])}")
    for phase in ("ringing", "idle after"):
        print(f"  CPU while {phase:30}  {ratio(n[phase]['cpu_ms'], o[phase]['cpu_ms'])}")
        print(f"  wakeups while {phase:26}  {ratio(n[phase]['wakeups'], o[phase]['wakeups'])}")
    left = lambda r: r["after both"]["rss"] - r["before"]["rss"]
    print(f"  RSS at start                              {ratio(n['before']['rss'], o['before']['rss'])}")
    print(f"  RSS kept after the rings, MB: {left(n):6.1f} against {left(o):6.1f}")
    print(f"  threads kept after the rings: {n['after both']['threads'] - n['before']['threads']:6d} against "
          f"{o['after both']['threads'] - o['before']['threads']:6d}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--baseline", help="another program folder, measured side by side with this build")
    parser.add_argument("--ring-seconds", type=int, default=30, help="length of the measured ringing (30)")
    parser.add_argument("--idle-seconds", type=int, default=10, help="length of the idle measurements (10)")
    parser.add_argument("--threads", action="store_true", help="also the wakeups of each thread while ringing")
    parser.add_argument("--display-base", type=int, default=230, help="first X display number to try (230)")
    parser.add_argument("--program", default=str(BUILD / "bin"),
                        help="the program folder to measure (build/bin, built first)")
    args = parser.parse_args()

    for tool in ("Xvfb", "xev", "xdotool", "pulseaudio", "parec", "pactl", "dbus-daemon", "stdbuf"):
        if not shutil.which(tool):
            sys.exit(f"ringing_cost: {tool} is missing; install the test packages (scripts/setup.sh test)")
    if Path(args.program).resolve() == (BUILD / "bin").resolve():
        subprocess.run(["cmake", "--build", str(BUILD), "--target", "chronelle_installable"], check=True,
                       stdout=subprocess.DEVNULL)

    work = Path(tempfile.mkdtemp(prefix="chronelle-ringing-"))
    benches = []
    try:
        display = free_display(args.display_base)
        benches.append(Bench("this build", args.program, work, display, args))
        if args.baseline:
            benches.append(Bench("baseline", args.baseline, work, free_display(display + 1), args))
        for bench in benches:
            bench.setup()
        time.sleep(1)
        run_all(benches, args)
    finally:
        for bench in benches:
            bench.stop()
        shutil.rmtree(work, ignore_errors=True)

    print(f"Ringing cost: two rings of the built-in sound, {args.ring_seconds} s of ringing measured")
    for bench in benches:
        show(bench)
    if len(benches) == 2:
        compare(benches[0], benches[1])


if __name__ == "__main__":
    main()
