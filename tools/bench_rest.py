"""What the clock costs at rest, beside the floor of any such clock (tools/floor): time from start
to a visible window (median of several starts), CPU at rest over a span of seconds, resident
memory, GDI and USER objects, the calls a second into the system's DLLs (Wine's relay trace,
counting the calls made from the program's own image), and the ratios. Both programs run in the same warm Wine prefix
under a private Xvfb: one after the other for start-up and memory, both at once for the CPU at rest. Then, in the same prefix, what the media cost
(media_bench.exe): tikora.exe's size by part, a frame picture's decoding and the face's rebuild
after a frame change.

Run by scripts/bench-rest. `quick()` measures each program once in a Wine that is already running
(no restarts, a few seconds at rest): the end-to-end tests run it, so that the measuring itself
cannot rot. Timings are noisy: compare runs on one machine only.
"""

from __future__ import annotations

import argparse
import collections
import os
import re
import statistics
import struct
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from harness_driver import Driver, DriverError  # noqa: E402
from harness_wine import WinePrefix, XDisplay  # noqa: E402

BUILD = REPO / "build" / "windows"
PROGRAMS = {
    "floor": (BUILD / "tikora_floor.exe", "Tikora Floor", "TikoraFloor"),
    "tikora": (BUILD / "tikora.exe", "Tikora", "TForm1"),
}
# tikora.exe's size by part, a frame's decoding and the face's rebuild (bench/win32).
MEDIA_BENCH = BUILD / "media_bench.exe"
PAGE = os.sysconf("SC_PAGE_SIZE")


def linux_pid(exe: Path) -> int | None:
    """The Linux process that runs `exe` under Wine (the newest one). Wine names it by the
    program's path, the Unix one or the Windows one on drive Z:; the whole path is compared, so
    that a program of the same name from another folder is not taken for it."""
    wanted = str(exe.resolve()).lower()
    found = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            command = (entry / "cmdline").read_bytes().split(b"\0")[0].decode(errors="replace")
        except OSError:
            continue
        command = command.replace("\\", "/").lower()
        if command.removeprefix("z:") == wanted:
            found.append(int(entry.name))
    return max(found) if found else None


def cpu_seconds(pid: int) -> float:
    """CPU time of every thread of the process, in nanoseconds as the scheduler counts it (the
    tick counts of /proc/PID/stat are too coarse for a clock that works a few milliseconds a second)."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return total / 1e9


def resident_mb(pid: int) -> float:
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return 0.0


class Bench:
    def __init__(self, wine: WinePrefix, driver: Driver):
        self.wine = wine
        self.driver = driver

    def start(self, name: str) -> tuple[subprocess.Popen, float]:
        exe, caption, cls = PROGRAMS[name]
        began = time.monotonic()
        process = self.wine.start([str(exe)])
        while True:
            try:
                self.driver.wait_window(caption, cls=cls, visible=True, timeout=0.1)
                return process, time.monotonic() - began
            except DriverError as error:
                if error.kind != "timeout":
                    raise
                if process.poll() is not None:
                    raise RuntimeError(f"{exe.name} ended before showing its window")
                if time.monotonic() - began > 60:
                    raise RuntimeError(f"{exe.name} showed no window within 60 s")

    def stop(self, process: subprocess.Popen) -> None:
        self.wine.stop_wineserver()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
        # The next start finds a warm prefix but no server.
        self.wine.run(["wineboot", "--init"], timeout=120)

    def measure(self, name: str, starts: int, rest: float, settle: float = 5.0, restart: bool = True) -> dict:
        times = []
        for _ in range(starts if restart else 0):
            process, took = self.start(name)
            times.append(took)
            self.stop(process)
        exe = PROGRAMS[name][0]
        process, took = self.start(name)
        times = times or [took]
        time.sleep(settle)  # past start-up work and first paints
        pid = linux_pid(exe)
        windows_pid = self.driver.windows(cls=PROGRAMS[name][2])[0]["pid"]
        # The median of ten-second windows: a window in which another process held the cache or
        # the core counts no more than one.
        shares = []
        for _ in range(max(1, round(rest / 10))):
            before, clock = cpu_seconds(pid), time.monotonic()
            time.sleep(rest / max(1, round(rest / 10)))
            shares.append((cpu_seconds(pid) - before) / (time.monotonic() - clock))
        info = self.driver.process(windows_pid)
        result = {
            "start": statistics.median(times),
            "cpu": 100.0 * statistics.median(shares),
            "memory": resident_mb(pid),
            "gdi": info.get("gdi_objects", 0),
            "user": info.get("user_objects", 0),
        }
        if restart:
            self.stop(process)
        else:
            self.driver.kill(exe.name)
        return result


RELAY_CALL = re.compile(r"^(\d+\.\d+):[0-9a-f]+:Call ([\w.]+)\(.*\) ret=([0-9a-f]+)$")


def image_span(exe: Path) -> int:
    """SizeOfImage from the program's PE header: how far its code and data reach once loaded."""
    data = exe.read_bytes()[:4096]
    header = struct.unpack_from("<I", data, 0x3C)[0]
    return struct.unpack_from("<I", data, header + 24 + 56)[0]


def system_calls(wine: WinePrefix, driver: Driver, name: str, span: float = 20.0, settle: float = 5.0) -> dict:
    """Calls from the program into the system's DLLs, a second at rest: Wine's relay trace over
    `span` seconds, only the calls whose return address lies in the program's own image."""
    exe, caption, cls = PROGRAMS[name]
    log = REPO / "build" / "bench" / f"relay-{name}.log"
    log.parent.mkdir(parents=True, exist_ok=True)
    env = dict(wine.env, WINEDEBUG="+timestamp,+loaddll,+relay")
    with open(log, "wb") as out:
        process = subprocess.Popen(["wine", str(exe)], env=env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=out)
        driver.wait_window(caption, cls=cls, visible=True, timeout=60)
        time.sleep(settle + span)
        driver.kill(exe.name)
        process.wait(30)
    base = None
    calls = []
    loaded = re.compile(r'Loaded L"[^"]*\\' + re.escape(exe.name) + r'" at ([0-9A-Fa-f]+)', re.IGNORECASE)
    with open(log, "r", errors="replace") as lines:
        for line in lines:
            if base is None:
                found = loaded.search(line)
                if found:
                    base = int(found.group(1), 16)
                continue
            call = RELAY_CALL.match(line.rstrip())
            if call:
                calls.append((float(call.group(1)), call.group(2), int(call.group(3), 16)))
    if base is None or not calls:
        raise RuntimeError(f"no relay trace of {exe.name} in {log}")
    end = calls[-1][0] - 0.5  # before the end: the kill
    top = base + image_span(exe)
    counted = [function for at, function, ret in calls if end - span <= at < end and base <= ret < top]
    most = collections.Counter(counted).most_common(8)
    return {"per_second": len(counted) / span, "most": most}


def cpu_side_by_side(bench: Bench, rest: float, window: float = 10.0) -> dict:
    """CPU at rest of both programs running at once in the one Wine: whatever else the machine
    does meanwhile weighs on both alike. For each window of `window` seconds, each program's share
    of a core and their ratio; the medians of those."""
    processes = [bench.start(name)[0] for name in ("floor", "tikora")]
    time.sleep(5.0)  # past start-up work and first paints
    pids = {name: linux_pid(PROGRAMS[name][0]) for name in ("floor", "tikora")}
    shares = {name: [] for name in pids}
    for _ in range(max(1, round(rest / window))):
        before, clock = {name: cpu_seconds(pid) for name, pid in pids.items()}, time.monotonic()
        time.sleep(window)
        took = time.monotonic() - clock
        for name, pid in pids.items():
            shares[name].append(100.0 * (cpu_seconds(pid) - before[name]) / took)
    for name in pids:
        bench.driver.kill(PROGRAMS[name][0].name)
    for process in processes:
        process.wait(30)
    ratios = [clock / floor for floor, clock in zip(shares["floor"], shares["tikora"]) if floor]
    return {
        "floor": statistics.median(shares["floor"]),
        "tikora": statistics.median(shares["tikora"]),
        "ratio": statistics.median(ratios) if ratios else 0.0,
        "windows": len(ratios),
    }


def quick(wine: WinePrefix, driver: Driver, rest: float = 2.0) -> dict:
    """Each program measured once in the running Wine: one start, `rest` seconds at rest."""
    bench = Bench(wine, driver)
    return {name: bench.measure(name, 1, rest, settle=1.5, restart=False) for name in ("floor", "tikora")}


def media_costs(wine: WinePrefix, rounds: int = 1) -> str:
    """media_bench.exe's report: tikora.exe's size by part, a frame picture's decoding, the
    face's rebuild after a frame change."""
    media = wine.run([str(MEDIA_BENCH), str(rounds)], timeout=300, check=True)
    return media.stdout.decode(errors="replace").replace("\r\n", "\n").rstrip()


def report(results: dict, rest: float, starts: int) -> None:
    floor, clock = results["floor"], results["tikora"]
    print(f"at rest over {rest:.0f} s (CPU: the median of ten-second windows), start-up the median of {starts}")
    print(f"{'':28}{'tikora.exe':>14}{'floor':>14}{'ratio':>12}")
    print(f"{'start to a visible window':28}{clock['start']:>12.2f} s{floor['start']:>12.2f} s"
          f"{clock['start'] - floor['start']:>+10.2f} s")
    print(f"{'CPU at rest (% of a core)':28}{clock['cpu']:>14.3f}{floor['cpu']:>14.3f}{ratio(clock['cpu'], floor['cpu']):>12}")
    print(f"{'resident memory':28}{clock['memory']:>11.1f} MB{floor['memory']:>11.1f} MB"
          f"{clock['memory'] - floor['memory']:>+9.1f} MB")
    print(f"{'GDI objects':28}{clock['gdi']:>14}{floor['gdi']:>14}")
    print(f"{'USER objects':28}{clock['user']:>14}{floor['user']:>14}")


def ratio(a: float, b: float) -> str:
    return f"{a / b:.2f} x" if b else "-"


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--starts", type=int, default=5)
    parser.add_argument("--rest", type=float, default=60.0)
    args = parser.parse_args()
    try:
        return run(args)
    except Exception as error:  # the measuring itself broke: say how
        print(f"bench-rest failed: {error}", file=sys.stderr)
        return 1


def run(args) -> int:
    starts, rest = args.starts, args.rest
    for exe in [exe for exe, _, _ in PROGRAMS.values()] + [MEDIA_BENCH]:
        if not exe.exists():
            print(f"{exe} is missing: build the windows preset first", file=sys.stderr)
            return 1

    display = XDisplay.start()
    wine = WinePrefix.create(REPO / "build" / "wine" / "bench", display.name)
    driver = Driver(wine)
    try:
        bench = Bench(wine, driver)
        # Warm the prefix: the first start of anything loads Wine's own files.
        process, _ = bench.start("floor")
        bench.stop(process)
        results = {name: bench.measure(name, starts, rest) for name in ("floor", "tikora")}
        # CPU at rest moves with whatever else the machine does, so it is measured with both
        # programs at rest at the same time.
        cpu = cpu_side_by_side(bench, rest)
        for name in results:
            results[name]["cpu"] = cpu[name]
        calls = {name: system_calls(wine, driver, name) for name in ("floor", "tikora")}
        media = media_costs(wine, rounds=5)
    finally:
        driver.close()
        wine.stop_wineserver()
        display.stop()

    report(results, rest, starts)
    print(f"{'  CPU, the ratio by window':28}{'':28}{cpu['ratio']:>10.2f} x"
          f"  (median of {cpu['windows']} ten-second windows, both at rest at once)")
    print(f"{'calls into system DLLs a second':28}{calls['tikora']['per_second']:>14.0f}"
          f"{calls['floor']['per_second']:>14.0f}{ratio(calls['tikora']['per_second'], calls['floor']['per_second']):>12}")
    print("  most called by tikora.exe: " + ", ".join(f"{f} {n / 20:.0f}/s" for f, n in calls["tikora"]["most"]))
    print(media)
    return 0


if __name__ == "__main__":
    sys.exit(main())
