#!/usr/bin/python3
"""Starts two programs alternately on the running weston and times each from
its start to its window's first frame: the first commit with damage of the
surface titled as given, in weston's timeline (same clock as ours). Then peak
RSS after two seconds. Prints each run, the medians and their ratios.

    wayland_first_frame.py RUNS TITLE_A PROGRAM_A TITLE_B PROGRAM_B
"""
import json
import queue
import statistics
import subprocess
import sys
import threading
import time


def timeline():
    """weston's timeline events, as they come, on a queue."""
    events = queue.Queue()
    stream = subprocess.Popen(["weston-debug", "timeline"], stdout=subprocess.PIPE, text=True)

    def read():
        for line in stream.stdout:
            try:
                events.put(json.loads(line))
            except json.JSONDecodeError:
                pass
    threading.Thread(target=read, daemon=True).start()
    return stream, events


def first_frame(events, title, program):
    """Milliseconds from start to the first frame, and peak RSS in kB."""
    while not events.empty():
        events.get()
    started = time.monotonic_ns()
    app = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    surfaces, ms = set(), None
    deadline = time.monotonic() + 20
    while ms is None and time.monotonic() < deadline:
        try:
            e = events.get(timeout=1)
        except queue.Empty:
            continue
        if e.get("type") == "weston_surface" and f"'{title}'" in e.get("desc", ""):
            surfaces.add(e["id"])
        elif e.get("N") == "core_commit_damage" and e.get("ws") in surfaces:
            sec, nsec = e["T"]
            ms = (sec * 1_000_000_000 + nsec - started) / 1e6
    time.sleep(2)
    with open(f"/proc/{app.pid}/status") as f:
        kb = next(int(line.split()[1]) for line in f if line.startswith("VmHWM:"))
    app.terminate()
    app.wait()
    return ms, kb


def main():
    runs, programs = int(sys.argv[1]), list(zip(sys.argv[2::2], sys.argv[3::2]))
    stream, events = timeline()
    time.sleep(0.3)
    seen = [([], []) for _ in programs]
    for run in range(1, runs + 1):
        line = []
        for (title, program), (frames, sizes) in zip(programs, seen):
            ms, kb = first_frame(events, title, program)
            if ms is None:
                sys.exit(f"{program}: no frame of a window titled {title}")
            frames.append(ms)
            sizes.append(kb)
            line.append(f"{title} first frame {ms:6.1f} ms, peak RSS {kb} kB")
        print(f"run {run}  " + ";  ".join(line), flush=True)
    stream.terminate()
    ((a, _), (fa, ra)), ((b, _), (fb, rb)) = zip(programs, seen)
    print(f"\non weston, medians of {runs} runs   {a:10s} {b:10s} ratio")
    print(f"start-up to first frame    {statistics.median(fa):7.1f} ms {statistics.median(fb):7.1f} ms "
          f"{statistics.median(fa) / statistics.median(fb):5.2f}x (target: within 1.05x)")
    print(f"peak RSS                   {statistics.median(ra):7.0f} kB {statistics.median(rb):7.0f} kB "
          f"{statistics.median(ra) / statistics.median(rb):5.2f}x")


if __name__ == "__main__":
    main()
