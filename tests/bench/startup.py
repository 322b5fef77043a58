#!/usr/bin/env python3
"""Start-up benchmark: the program against a bare Qt program with a menu and an
MDI area, started in turns (interleaved, so that the machine's load falls on
both alike). Each start is timed from just before the process is made to the
first frame it reports on its start-up log ("frame shown <steady-clock ns>
cpu <ns> peak <kB>"), which also gives the processor time used until then
(steadier than the wall clock on a busy machine) and the peak memory (VmHWM)
at that moment. The program makes its hidden windows just after its first
frame and reports "windows made" then; that figure is printed beside, as the
moment it is ready for any command. Then the process is ended.

    startup.py <program> <bare program> <folder to start in> [runs]
"""
import os
import signal
import statistics
import subprocess
import sys
import time


def milestone(line, what):
    """(steady ns, processor ns, peak kB, page faults) of
    "<what> <ns> cpu <ns> peak <kB> faults <n>"."""
    words = line[line.index(what) + len(what):].split()
    return int(words[0]), int(words[2]), int(words[4]), int(words[6])


def start_once(program, folder, last):
    """Milestones of one start, reading the log up to the line `last`."""
    env = dict(os.environ, QT_LOGGING_RULES="tabulon.startup.info=true")
    t0 = time.monotonic_ns()
    proc = subprocess.Popen([program], cwd=folder, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    seen = {}
    try:
        for line in proc.stderr:
            for what in ("frame shown", "windows made"):
                if what in line:
                    at, cpu, peak_kb, faults = milestone(line, what)
                    seen[what] = ((at - t0) / 1e6, cpu / 1e6, peak_kb / 1024, faults)
            if last in seen:
                break
    finally:
        proc.send_signal(signal.SIGKILL)
        proc.wait()
    if last not in seen:
        sys.exit(f"{program} reported no '{last}'")
    return seen


def main():
    program, bare, folder = sys.argv[1:4]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 21
    last = {program: "windows made", bare: "frame shown"}
    times = {program: [], bare: []}
    cpus = {program: [], bare: []}
    peaks = {program: [], bare: []}
    faults = {program: [], bare: []}
    ready = []
    for _ in range(2):  # warm the file cache up
        start_once(bare, folder, last[bare])
        start_once(program, folder, last[program])
    for i in range(runs):
        order = (bare, program) if i % 2 == 0 else (program, bare)
        for p in order:
            seen = start_once(p, folder, last[p])
            ms, cpu, mb, n = seen["frame shown"]
            times[p].append(ms)
            cpus[p].append(cpu)
            peaks[p].append(mb)
            faults[p].append(n)
            if p == program:
                ready.append(seen["windows made"])
    t_prog, t_bare = statistics.median(times[program]), statistics.median(times[bare])
    c_prog, c_bare = statistics.median(cpus[program]), statistics.median(cpus[bare])
    m_prog, m_bare = statistics.median(peaks[program]), statistics.median(peaks[bare])
    f_prog, f_bare = statistics.median(faults[program]), statistics.median(faults[bare])

    def spread(values):
        q = statistics.quantiles(values, n=4)
        return f"quartiles {q[0]:.1f}–{q[2]:.1f}"

    print(f"start-up, median of {runs} interleaved starts each:")
    print(f"  program  {t_prog:6.1f} ms ({spread(times[program])})  processor {c_prog:6.1f} ms"
          f"  peak memory {m_prog:5.1f} MB  page faults {f_prog:5.0f}")
    print(f"  bare Qt  {t_bare:6.1f} ms ({spread(times[bare])})  processor {c_bare:6.1f} ms"
          f"  peak memory {m_bare:5.1f} MB  page faults {f_bare:5.0f}")
    print(f"  ratio    {t_prog / t_bare:6.2f} x in time{'':22}processor {c_prog / c_bare:4.2f} x"
          f"      memory {m_prog / m_bare:4.2f} x   (goal: at most 1.2 x)")
    r_time = statistics.median(r[0] for r in ready)
    r_cpu = statistics.median(r[1] for r in ready)
    r_mem = statistics.median(r[2] for r in ready)
    print(f"  program with its hidden windows made just after the frame: {r_time:6.1f} ms,"
          f" processor {r_cpu:6.1f} ms, peak memory {r_mem:5.1f} MB")


if __name__ == "__main__":
    main()
