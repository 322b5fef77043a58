#!/usr/bin/env python3
"""Start-up benchmark: the program against a bare Qt program with a menu and an
MDI area, started in turns (interleaved, so that the machine's load falls on
both alike). Each start is timed from just before the process is made to the
first frame it reports on its start-up log ("frame shown <steady-clock ns>
cpu <ns>"), which also gives the processor time used until then (steadier
than the wall clock on a busy machine); the peak memory (VmHWM) is read at
that moment, then the process is ended.

    startup.py <program> <bare program> <folder to start in> [runs]
"""
import os
import signal
import statistics
import subprocess
import sys
import time


def start_once(program, folder):
    env = dict(os.environ, QT_LOGGING_RULES="tabulon.startup.info=true")
    t0 = time.monotonic_ns()
    proc = subprocess.Popen([program], cwd=folder, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    shown = cpu = None
    try:
        for line in proc.stderr:
            if "frame shown" in line:
                words = line.split()
                shown, cpu = int(words[-3]), int(words[-1])
                break
        with open(f"/proc/{proc.pid}/status") as status:
            peak_kb = next(int(l.split()[1]) for l in status if l.startswith("VmHWM:"))
    finally:
        proc.send_signal(signal.SIGKILL)
        proc.wait()
    if shown is None:
        sys.exit(f"{program} reported no frame")
    return (shown - t0) / 1e6, cpu / 1e6, peak_kb / 1024


def main():
    program, bare, folder = sys.argv[1:4]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 21
    times = {program: [], bare: []}
    cpus = {program: [], bare: []}
    peaks = {program: [], bare: []}
    for _ in range(2):  # warm the file cache up
        start_once(bare, folder)
        start_once(program, folder)
    for i in range(runs):
        order = (bare, program) if i % 2 == 0 else (program, bare)
        for p in order:
            ms, cpu, mb = start_once(p, folder)
            times[p].append(ms)
            cpus[p].append(cpu)
            peaks[p].append(mb)
    t_prog, t_bare = statistics.median(times[program]), statistics.median(times[bare])
    c_prog, c_bare = statistics.median(cpus[program]), statistics.median(cpus[bare])
    m_prog, m_bare = statistics.median(peaks[program]), statistics.median(peaks[bare])

    def spread(values):
        q = statistics.quantiles(values, n=4)
        return f"quartiles {q[0]:.1f}–{q[2]:.1f}"

    print(f"start-up, median of {runs} interleaved starts each:")
    print(f"  program  {t_prog:6.1f} ms ({spread(times[program])})  processor {c_prog:6.1f} ms"
          f"  peak memory {m_prog:5.1f} MB")
    print(f"  bare Qt  {t_bare:6.1f} ms ({spread(times[bare])})  processor {c_bare:6.1f} ms"
          f"  peak memory {m_bare:5.1f} MB")
    print(f"  ratio    {t_prog / t_bare:6.2f} x in time{'':22}processor {c_prog / c_bare:4.2f} x"
          f"      memory {m_prog / m_bare:4.2f} x   (goal: at most 1.2 x)")


if __name__ == "__main__":
    main()
