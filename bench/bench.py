#!/usr/bin/env python3
"""Assembler benchmark.

Generates realistic Merrow programs of N lines (functions with labels, loops, jumps,
calls, data tables, .EQU constants and .GLOBALs, optionally the debug directives a
compiler emits) and times their assembly: wall time, processor time, lines per second
and peak memory, each the median of several runs, plus the time of an empty source.

    python3 bench/bench.py [--zorlan build/release/zorlan] [--lines 6000 60000] [--runs 7]
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def generate(lines, debug):
    out = []
    emit = out.append
    if debug:
        emit('        .FILE "bench.c"')
    for k in range(8):
        emit(f"K{k}      .EQU {k * 3 + 1}")
    emit("        .TEXT")
    fn = 0
    tail = 64 + 32 + 6 + (1 if debug else 0)
    # Each function is about 30 lines; data tables go to .DATA every few functions.
    while len(out) < lines - tail - 45:
        name = f"f{fn}"
        if debug:
            emit(f'        .FUNCTION "{name}"')
            emit(f'        .LINE {len(out)}')
        emit(f"{name}:  LD8 v{fn % 64} $K{fn % 8}")
        emit(f"        PUSH8 $1")
        emit(f"loop{fn}: DEC8 v{fn % 64} $1")
        emit(f"        ADD8 acc $3")
        emit(f"        CMP8 v{fn % 64} $0")
        emit(f"        JNZ loop{fn}")
        for j in range(4):
            if debug and j == 2:
                emit(f'        .LINE {len(out)}')
            emit(f"        LD16 w{(fn + j) % 32} $0x{(fn * 7 + j) & 0xFFFF:04X}")
            emit(f"        SETC")
            emit(f"        AND8 acc $0x0F")
            emit(f"        INC8 acc $1")
        emit(f"        POP8 tmp")
        emit(f"        CPY8 acc tmp")
        if fn > 0:
            emit(f"        CALL f{fn - 1}")
            emit(f"        JZ skip{fn}")
        emit(f"        NOP")
        emit(f"skip{fn}: OUTPORT 0x10 $1")
        emit(f"        RTS")
        if debug:
            emit('        .RETURN "int" 32 1 0 0 0 0 0')
            emit(f'        .FUNC_END "{name}"')
        if fn % 8 == 7:
            emit("        .DATA")
            emit(f"tab{fn}   .DB 8 1,2,3,4,5,6,7,8")
            emit(f"ptr{fn}   .DW 1 f{fn}")
            emit("        .TEXT")
        fn += 1
    while len(out) < lines - tail:
        emit("        NOP")
    emit("        .DATA")
    for v in range(64):
        emit(f"v{v}      .DB 1 0")
    for w in range(32):
        emit(f"w{w}      .DW 1 0")
    emit("acc     .DB 1 0")
    emit("tmp     .DB 1 0")
    if debug:
        emit('        .VARIABLE "acc" 8 "char" 0 0 -1 0 0 0 1')
    emit("        .GLOBAL EXPORT " + ", ".join(f"f{i}" for i in range(0, fn, max(1, fn // 16))))
    return "\n".join(out) + "\n", fn


def run_once(measure, zorlan, source, args):
    with tempfile.TemporaryFile() as listing:
        result = subprocess.run([measure, zorlan, "-q", *args, "-o", source[:-4] + ".obj", source],
                                stdout=subprocess.PIPE, stderr=listing, check=True)
        listing.seek(0)
        out = listing.read().decode(errors="replace")
    seconds, cpu, peak, code = result.stdout.decode().split()
    if int(code) != 0:
        sys.exit(f"assembly of {source} failed with status {code}:\n{out[:2000]}")
    return float(seconds), float(cpu), int(peak)  # peak in kilobytes


def measure(zorlan, source, args, runs):
    """Median wall time, median processor time (user + system) and median peak memory."""
    measure_tool = os.path.join(os.path.dirname(zorlan), "bench", "zorlan_measure")
    samples = [run_once(measure_tool, zorlan, source, args) for _ in range(runs)]
    return tuple(statistics.median(column) for column in zip(*samples))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--zorlan", default=os.path.join(here, "..", "build", "release", "zorlan"))
    parser.add_argument("--lines", type=int, nargs="+", default=[6000, 60000])
    parser.add_argument("--runs", type=int, default=7)
    options = parser.parse_args()
    if not os.access(options.zorlan, os.X_OK):
        sys.exit(f"{options.zorlan} not found: build it first (cmake --workflow --preset release)")

    # The wall time is what a build waits for; on a machine busy with other work it also
    # counts the time spent waiting for a processor, which the processor time leaves out.
    with tempfile.TemporaryDirectory() as tmp:
        empty = os.path.join(tmp, "empty.asm")
        open(empty, "w").close()
        wall, cpu, peak = measure(options.zorlan, empty, [], options.runs)
        print(f"{'empty source':>24}: {wall * 1000:8.2f} ms wall {cpu * 1000:8.2f} ms cpu  peak {peak / 1024:6.1f} MB")
        results = {}
        for debug in (False, True):
            for lines in options.lines:
                text, functions = generate(lines, debug)
                path = os.path.join(tmp, f"bench{lines}{'d' if debug else ''}.asm")
                with open(path, "w") as f:
                    f.write(text)
                args = ["-d", "1"] if debug else []
                wall, cpu, peak = measure(options.zorlan, path, args, options.runs)
                results[(lines, debug)] = (wall, cpu)
                label = f"{lines} lines{' -d 1' if debug else ''}"
                print(f"{label:>24}: {wall * 1000:8.2f} ms wall {cpu * 1000:8.2f} ms cpu  "
                      f"{lines / wall / 1e6:6.2f} M lines/s wall {lines / cpu / 1e6:6.2f} cpu  "
                      f"peak {peak / 1024:6.1f} MB  ({functions} functions)")
        if len(options.lines) >= 2:
            small, large = min(options.lines), max(options.lines)
            for debug in (False, True):
                ratios = [results[(large, debug)][k] / results[(small, debug)][k] for k in (0, 1)]
                label = 'time ratio ' + str(large) + '/' + str(small) + (' -d 1' if debug else '')
                print(f"{label:>24}: {ratios[0]:.2f} wall {ratios[1]:.2f} cpu")
            for lines in options.lines:
                costs = [results[(lines, True)][k] / results[(lines, False)][k] for k in (0, 1)]
                print(f"{'-d 1 cost at ' + str(lines):>24}: {costs[0]:.2f}x wall {costs[1]:.2f}x cpu")


if __name__ == "__main__":
    main()
