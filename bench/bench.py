#!/usr/bin/env python3
"""Assembler benchmark.

Generates realistic Merrow programs of N lines (functions with labels, loops, jumps,
calls, data tables, .EQU constants and .GLOBALs, optionally the debug directives a
compiler emits), programs of a compiler's shape (.FUNCTION/.FUNC_END and .LINE around
every function, port input and output, bit tests, string tables) and programs of a
hand-written shape (tab-indented, memory named by hexadecimal address, comments after
instructions, tables of numbers and texts), and times
their assembly: wall time, processor time, lines per second and peak memory, each the
median of several rounds in which every case runs once, in a shuffled order, plus the
time of an empty source. Ratios between two cases (-d 1 against none, one shape's lines
per second against another's, a size against another) are medians of the ratios within
each round.

    python3 bench/bench.py [--zorlan build/release/zorlan] [--lines 6000 60000] [--runs 7]
    python3 bench/bench.py --counts [--zorlan ...] [--lines ...]
    python3 bench/bench.py --growth [--zorlan ...] [--lines ...]
    python3 bench/bench.py --peer [--zorlan ...] [--lines ...] [--runs ...]

With --counts it prints, instead of times, the figures that do not change with the
machine's load: the instructions each case executes (valgrind's callgrind) and its page
faults (perf stat), per case and per line. With --growth it assembles programs made of
one statement kind each (long label names, "$name" constants, comments) at each size and
prints their instructions per line, which should stay level from size to size.

With --peer it times zorlan against the peer assembler (avr-as, Debian package
binutils-avr) on the peer comparison's own workload, both tools also on an empty
source, in interleaved rounds, and splits each ratio into what start-up and what the
lines cost: the ratio itself (the median of the rounds' ratios), its ceiling (the
peer's time over zorlan's time for an empty source: the ratio a zorlan whose lines
cost nothing would reach) and the ratio of the time the lines take, net of each
tool's empty source.
"""
import argparse
import os
import random
import re
import shutil
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


def emit_strings(emit, first, fn):
    """Four string literals and their pointer table, as a compiler emits its literals."""
    emit("        .DATA")
    for s in range(first, first + 4):
        emit(f'str_{s}   .ASCIIZ "message {s}"')
    emit(f"tab_{fn}  .DW 4 " + ",".join(f"str_{s}" for s in range(first, first + 4)))
    emit("        .TEXT")
    return first + 4


def generate_compiler_style(lines):
    """The shape a compiler's code generator writes: every function opened by .FUNCTION
    with its .RETURN and .PARAMETER descriptions and closed by .FUNC_END, a .LINE before
    the code of each source line, port input and output, bit tests and changes on device
    registers, jumps to local labels, calls, and string tables (.ASCIIZ texts with a .DW
    table of pointers to them) in the data section. A compiler writes the debug directives
    whether or not the assembler is asked for the debug sections (-d 1)."""
    out = []
    emit = out.append
    emit('        .FILE "driver.c"')
    for k in range(4):
        emit(f"PORT{k}   .EQU {0x20 + 4 * k}")
    emit("        .DATA")
    for r in range(16):
        emit(f"reg{r}    .DB 1 0")
    emit("status  .DW 1 0")
    emit("        .TEXT")
    strings = 0
    fn = 0
    source_line = 1
    tail = 8 + 6
    while len(out) < lines - tail - 40:
        name = f"drv_{fn}"
        emit(f"{name}:")
        emit(f'        .FUNCTION "{name}" extern')
        if fn % 3 == 0:
            emit(f'        .PARAMETER "mask" 8 "char" UNSIGNED NORMAL 0 NORMAL 0 0 {source_line}')
        emit('        .RETURN "int" 16 SIGNED NORMAL 0 NORMAL 0 0')
        for stmt in range(6):
            source_line += 1 + (stmt & 1)
            emit(f"        .LINE {source_line}")
            r = (fn + stmt) % 16
            kind = (fn + stmt) % 6
            if kind == 0:
                emit(f"        INPORT PORT{stmt % 4} (0x{0x30 + r:02X})")
                emit(f"        BTST8 reg{r} ${stmt}")
                emit(f"        JZ {name}_{stmt}")
                emit(f"        OUTPORT 0x{0x10 + r:02X} $1")
                emit(f"{name}_{stmt}:")
            elif kind == 1:
                emit(f"        ANDPORT 0x{0x100 + r:03X} $0x7F")
                emit(f"        ORPORT {r} $1")
                emit(f"        PORTTST 7 $0x{r:02X}")
            elif kind == 2:
                emit(f"        BSET8 reg{r} ${stmt}")
                emit(f"        BCLR8 reg{(r + 1) % 16} ${stmt + 1}")
                emit(f"        BTST16 status ${r}")
                emit(f"        JNZ {name}_{stmt}")
                emit(f"        INC8 reg{r} $1")
                emit(f"{name}_{stmt}:")
            elif kind == 3:
                emit(f"        LD16 status $str_{fn // 8 * 4 + fn % 4}")
                emit(f"        CALL drv_{fn - 1}" if fn > 0 else "        NOP")
            elif kind == 4:
                emit(f"        CPY8 reg{r} reg{(r + 3) % 16}")
                emit(f"        AND8 reg{r} $0x0F")
                emit(f"        CMP8 reg{r} $10")
                emit(f"        JGE {name}_{stmt}")
                emit(f"        ADD16 status ${r}")
                emit(f"{name}_{stmt}:")
            else:
                emit(f"        OUTPORT PORT{r % 4} $0x{r:02X}")
                emit(f"        SHL8 reg{r} $1")
        emit("        RTS")
        emit(f'        .FUNC_END "{name}"')
        fn += 1
        if fn % 8 == 0:
            strings = emit_strings(emit, strings, fn)
    while len(out) < lines - tail:
        emit("        NOP")
    if fn % 8 != 0:
        strings = emit_strings(emit, strings, fn)
    emit("        .GLOBAL EXPORT " + ", ".join(f"drv_{i}" for i in range(0, fn, max(1, fn // 16))))
    return "\n".join(out) + "\n", fn


def generate_handwritten(lines):
    """The shape of hand-written firmware: tab-indented lines, constants by .EQU, data tables
    of hexadecimal and decimal numbers (.DB, .DW, .DD) and message texts (.ASCIIZ), then
    routines whose instructions name data memory by hexadecimal address, take "$number"
    and "$name" immediates, jump to local labels and call other routines, with a comment
    after some instructions and comment lines between blocks. The numbers come from a
    seeded generator, so every run writes the same program."""
    rng = random.Random(7)
    out = []
    emit = out.append
    emit("# generated hand-written style")
    constants = [f"C_{k}" for k in range(24)]
    for name in constants:
        emit(f"{name}\t.EQU {rng.randrange(0, 200)}")
    emit("\t.DATA")
    for t in range(max(8, lines // 40)):
        kind = t % 4
        if kind == 0:
            values = ",".join(str(rng.randrange(0, 256)) for _ in range(rng.randrange(1, 9)))
            emit(f"bytes_{t}\t.DB {values.count(',') + 1} {values}")
        elif kind == 1:
            values = ",".join(f"0x{rng.randrange(0, 0x10000):04X}" for _ in range(rng.randrange(1, 5)))
            emit(f"words_{t}\t.DW {values.count(',') + 1} {values}")
        elif kind == 2:
            emit(f"long_{t}\t.DD 1 0x{rng.randrange(0, 1 << 32):08X}")
        else:
            emit(f'text_{t}\t.ASCIIZ "{rng.choice(("ready", "overrun", "link down", "checksum"))}"')
    emit("\t.TEXT")
    two = ("ADD8", "SUB8", "AND8", "OR8", "XOR8", "CMP8", "ADD16", "SUB16", "AND16", "CMP16", "CPY8", "CPY16")
    immediate = ("LD8", "LD16", "ADD8", "AND8", "OR8", "CMP8", "ADD16", "CMP16", "INC8", "DEC8", "INC16", "SHL8")
    comments = ("# next entry", "# clear the flag", "# scale", "# wrap around", "# keep the low byte")
    address = lambda: f"0x{rng.randrange(0x100, 0x3F00):04X}"
    routine = 0
    while len(out) < lines - 30:
        emit(f"# routine {routine}")
        emit(f"r_{routine}:")
        for block in range(4):
            for _ in range(5):
                choice = rng.randrange(10)
                if choice < 4:
                    line = f"\t{rng.choice(two)} {address()} {address()}"
                elif choice < 7:
                    line = f"\t{rng.choice(immediate)} {address()} ${rng.randrange(0, 128)}"
                elif choice < 8:
                    line = f"\tLD8 {address()} ${rng.choice(constants)}"
                elif choice < 9:
                    line = f"\tLD16 {address()} $0x{rng.randrange(0, 0x10000):04X}"
                else:
                    line = f"\tPUSH16 {address()}"
                if rng.randrange(4) == 0:
                    line += f"\t{rng.choice(comments)}"
                emit(line)
            emit(f"\tJNZ r_{routine}_{block}")
            if routine > 0 and block == 1:
                emit(f"\tCALL r_{rng.randrange(routine)}")
            emit(f"r_{routine}_{block}:")
        emit("\tRTS")
        routine += 1
    while len(out) < lines:
        emit("\tNOP")
    return "\n".join(out) + "\n", routine


def generate_stress(shape, lines):
    """Programs of one statement kind each, for checking that the work per line does not
    grow with the program: long label names each jumped to from the line before them,
    .EQU constants read as "$name" immediates, defined before their use or after it, and
    comment lines. Each one assembles cleanly at any size that fits the code memory."""
    half = max(1, (lines - 2) // 2)
    head, body, tail = [], [], []
    if shape == "long-labels":
        for i in range(half):
            body += [f"        JUMP Label_{i:07d}_of_a_generated_state_machine",
                     f"Label_{i:07d}_of_a_generated_state_machine:"]
    elif shape == "constants":
        head = [f"C_{i} .EQU {i & 0xFFFF}" for i in range(half)]
        body = [f"        LD16 0x0100 $C_{i}" for i in range(half)]
    elif shape == "forward-constants":
        body = [f"        LD16 0x0100 $F_{i}" for i in range(half)]
        tail = [f"F_{i} .EQU {i & 0xFFFF}" for i in range(half)]
    elif shape == "comments":
        body = ["# " + "a comment that fills the line, as a generator's banners do " * 2] * (lines - 2)
    out = head + ["        .TEXT"] + body + tail
    out += ["        NOP"] * (lines - len(out))
    return "\n".join(out[:lines]) + "\n"


STRESS_SHAPES = ("long-labels", "constants", "forward-constants", "comments")


def print_growth(zorlan, tmp, sizes):
    """Instructions per line of each stress shape at each size, and how much the largest
    size's figure differs from the smallest's (level means linear growth)."""
    small, large = min(sizes), max(sizes)
    print(f"{'shape':>17}  " + "  ".join(f"{n:>10} lines" for n in sizes) + "   growth")
    for shape in STRESS_SHAPES:
        per_line = {}
        for lines in sizes:
            path = os.path.join(tmp, f"{shape}{lines}.asm")
            with open(path, "w") as f:
                f.write(generate_stress(shape, lines))
            if subprocess.run([zorlan, "-q", "-o", path[:-4] + ".obj", path]).returncode != 0:
                sys.exit(f"{shape} at {lines} lines does not assemble cleanly")
            instructions, _ = counts(zorlan, path, [])
            per_line[lines] = instructions / lines if instructions else None
        if None in per_line.values():
            sys.exit("--growth needs valgrind")
        shown = "  ".join(f"{per_line[n]:>10.0f} /line" for n in sizes)
        print(f"{shape:>17}  {shown}   {per_line[large] / per_line[small]:.3f}x")


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


def measure_all(zorlan, cases, runs):
    """Every round's wall time, processor time (user + system) and peak memory of each case.
    The cases take turns, one run each per round, in an order shuffled afresh each round,
    so that a change in the machine's load, which on a virtual machine comes and goes
    within seconds, reaches all of them alike and none of them always in the same place."""
    measure_tool = os.path.join(os.path.dirname(zorlan), "bench", "zorlan_measure")
    samples = {key: [] for key in cases}
    order = list(cases)
    shuffle = random.Random(1)
    for _ in range(runs):
        shuffle.shuffle(order)
        for key in order:
            source, args = cases[key]
            samples[key].append(run_once(measure_tool, zorlan, source, args))
    return samples


def medians(rows):
    """The median of each column of one case's rounds."""
    return tuple(statistics.median(column) for column in zip(*rows))


def paired_ratio(mine, theirs, column):
    """The median over the rounds of one case's figure over another's in the same round: a
    ratio of two runs taken seconds apart, which a slow minute changes far less than it
    changes either median."""
    return statistics.median(a[column] / b[column] for a, b in zip(mine, theirs))


def counts(zorlan, source, args):
    """Instructions executed (callgrind) and page faults (perf stat) of one assembly; None
    for a figure whose tool is missing."""
    command = [zorlan, "-q", *args, "-o", source[:-4] + ".obj", source]
    instructions = faults = None
    if shutil.which("valgrind"):
        done = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", *command],
                              capture_output=True, text=True)
        found = re.search(r"refs:\s+([\d,]+)", done.stderr)
        instructions = int(found.group(1).replace(",", "")) if found else None
    if shutil.which("perf"):
        done = subprocess.run(["perf", "stat", "-x", ",", "-e", "page-faults", *command],
                              capture_output=True, text=True)
        for row in done.stderr.splitlines():
            fields = row.split(",")
            if len(fields) > 2 and fields[2].startswith("page-faults") and fields[0].isdigit():
                faults = int(fields[0])
    return instructions, faults


def print_counts(zorlan, cases):
    print(f"{'case':>26}  {'instructions':>14} {'per line':>9} {'page faults':>12}")
    for key, (source, args) in cases.items():
        instructions, faults = counts(zorlan, source, args)
        if key == "empty":
            label, lines = "empty source", 0
        else:
            shape, debug, lines = key
            label = f"{shape} {lines}{' -d 1' if debug else ''}"
        per_line = f"{instructions / lines:9.0f}" if instructions and lines else f"{'':>9}"
        shown = lambda value: f"{value:,}" if value is not None else "n/a"
        print(f"{label:>26}  {shown(instructions):>14} {per_line} {shown(faults):>12}")


# The shapes measured: the generated program (with and without the debug directives), the
# compiler's shape (the same source with and without -d 1) and the hand-written shape. The
# peer comparison's own workload joins them when its generator is at hand (see
# --peer-generator).
SHAPES = (("program", False), ("program", True), ("compiler", False), ("compiler", True), ("hand-written", False))
PEER_SHAPE = ("peer workload", False)


def wall_time(command):
    """Wall time of one run of `command`, timed as the peer comparison times it: around the
    interpreter's own start of the process."""
    start = time.perf_counter()
    code = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    if code != 0:
        sys.exit(f"{' '.join(command)} failed with status {code}")
    return time.perf_counter() - start


def print_peer(zorlan, generator, sizes, runs, tmp):
    avr = shutil.which("avr-as")
    if not avr:
        sys.exit("avr-as not found: install the Debian package binutils-avr")
    if not os.path.isfile(generator):
        sys.exit(f"{generator} not found: give the peer comparison's generator with --peer-generator")
    empty = os.path.join(tmp, "empty")
    for suffix in (".asm", ".s"):
        open(empty + suffix, "w").close()
    # Every command runs once per round, so that a change in the machine's load reaches all alike.
    commands = {"true": [shutil.which("true")]}
    for lines in [0] + sizes:
        base = empty if lines == 0 else os.path.join(tmp, f"peer{lines}")
        if lines:
            generate_peer_workload(generator, lines, tmp)
        commands[("zorlan", lines)] = [zorlan, "-q", "-o", base + ".obj", base + ".asm"]
        commands[("avr-as", lines)] = [avr, "-mmcu=atmega2560", "-o", base + ".o", base + ".s"]
    walls = {key: [] for key in commands}
    for _ in range(runs):
        for key, command in commands.items():
            walls[key].append(wall_time(command))
    ms = lambda key: statistics.median(walls[key]) * 1000
    print(f"start-up (empty source): zorlan {ms(('zorlan', 0)):.2f} ms, avr-as {ms(('avr-as', 0)):.2f} ms, "
          f"/bin/true {ms('true'):.2f} ms")
    for lines in sizes:
        ratio = statistics.median(a / z for a, z in zip(walls[("avr-as", lines)], walls[("zorlan", lines)]))
        ceiling = ms(("avr-as", lines)) / ms(("zorlan", 0))
        work = (ms(("avr-as", lines)) - ms(("avr-as", 0))) / (ms(("zorlan", lines)) - ms(("zorlan", 0)))
        print(f"{lines:>7} lines: zorlan {ms(('zorlan', lines)):7.2f} ms, avr-as {ms(('avr-as', lines)):7.2f} ms: "
              f"ratio {ratio:.2f}x, ceiling {ceiling:.2f}x, lines alone {work:.2f}x")


def generate_peer_workload(generator, lines, tmp):
    """The program that the side-by-side comparison with the peer assembler times, from its
    own generator (seed 1, as the comparison uses): the source its ratio is measured on."""
    source = os.path.join(tmp, f"peer{lines}.asm")
    subprocess.run([sys.executable, generator, "--lines", str(lines), "--seed", "1", "--out-zorlan", source,
                    "--out-avr", os.path.join(tmp, f"peer{lines}.s")],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(source) as f:
        return f.read()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--zorlan", default=os.path.join(here, "..", "build", "release", "zorlan"))
    parser.add_argument("--lines", type=int, nargs="+", default=[6000, 60000])
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--counts", action="store_true",
                        help="print instructions and page faults per case instead of times")
    parser.add_argument("--growth", action="store_true",
                        help="instructions per line of one-kind stress programs at each --lines size")
    parser.add_argument("--peer", action="store_true",
                        help="zorlan against avr-as on the peer comparison's workload, split into start-up and lines")
    parser.add_argument("--peer-generator", default=os.path.join(here, "..", "..", "shared", "bench", "gen_workload.py"),
                        help="the peer comparison's workload generator; its program is measured too when it exists")
    options = parser.parse_args()
    if not os.access(options.zorlan, os.X_OK):
        sys.exit(f"{options.zorlan} not found: build it first (cmake --workflow --preset release)")

    # The wall time is what a build waits for; on a machine busy with other work it also
    # counts the time spent waiting for a processor, which the processor time leaves out.
    with tempfile.TemporaryDirectory() as tmp:
        if options.growth:
            print_growth(options.zorlan, tmp, options.lines)
            return
        if options.peer:
            print_peer(options.zorlan, options.peer_generator, options.lines, options.runs, tmp)
            return
        empty = os.path.join(tmp, "empty.asm")
        open(empty, "w").close()
        cases = {"empty": (empty, [])}
        functions = {}
        written = {}  # the lines each case's source really has
        shapes = SHAPES + ((PEER_SHAPE,) if os.path.isfile(options.peer_generator) else ())
        for shape, debug in shapes:
            for lines in options.lines:
                if shape == "program":
                    text, functions[(shape, debug, lines)] = generate(lines, debug)
                elif shape == "compiler":
                    text, functions[(shape, debug, lines)] = generate_compiler_style(lines)
                elif shape == "hand-written":
                    text, functions[(shape, debug, lines)] = generate_handwritten(lines)
                else:
                    text, functions[(shape, debug, lines)] = generate_peer_workload(options.peer_generator, lines, tmp), "?"
                path = os.path.join(tmp, f"{shape.replace(' ', '_')}{lines}{'d' if debug else ''}.asm")
                with open(path, "w") as f:
                    f.write(text)
                written[(shape, debug, lines)] = text.count("\n")
                cases[(shape, debug, lines)] = (path, ["-d", "1"] if debug else [])
        if options.counts:
            print_counts(options.zorlan, cases)
            return
        rounds = measure_all(options.zorlan, cases, options.runs)
        results = {key: medians(rows) for key, rows in rounds.items()}

        wall, cpu, peak = results["empty"]
        print(f"{'empty source':>26}: {wall * 1000:8.2f} ms wall {cpu * 1000:8.2f} ms cpu  peak {peak / 1024:6.1f} MB")
        for shape, debug in shapes:
            for lines in options.lines:
                wall, cpu, peak = results[(shape, debug, lines)]
                label = f"{shape} {lines}{' -d 1' if debug else ''}"
                print(f"{label:>26}: {wall * 1000:8.2f} ms wall {cpu * 1000:8.2f} ms cpu  "
                      f"{lines / wall / 1e6:6.2f} M lines/s wall {lines / cpu / 1e6:6.2f} cpu  "
                      f"peak {peak / 1024:6.1f} MB  ({functions[(shape, debug, lines)]} functions)")
        if len(options.lines) >= 2:
            small, large = min(options.lines), max(options.lines)
            for shape, debug in shapes:
                ratios = [paired_ratio(rounds[(shape, debug, large)], rounds[(shape, debug, small)], k) for k in (0, 1)]
                label = f"{shape} {large}/{small}{' -d 1' if debug else ''}"
                print(f"{label:>26}: {ratios[0]:.2f} wall {ratios[1]:.2f} cpu (time ratio)")
        for shape in ("program", "compiler"):
            for lines in options.lines:
                costs = [paired_ratio(rounds[(shape, True, lines)], rounds[(shape, False, lines)], k) for k in (0, 1)]
                print(f"{'-d 1 cost, ' + shape + ' ' + str(lines):>26}: {costs[0]:.2f}x wall {costs[1]:.2f}x cpu")
        # Lines per second of the compiler's shape against the other programs: at least 1
        # means a compiler's output runs as fast as they do.
        for other in ("program", "hand-written") + ((PEER_SHAPE[0],) if PEER_SHAPE in shapes else ()):
            for lines in options.lines:
                mine, theirs = ("compiler", False, lines), (other, False, lines)
                speeds = [written[mine] / written[theirs] / paired_ratio(rounds[mine], rounds[theirs], k) for k in (0, 1)]
                label = f"compiler/{other.split()[0]} {lines}"
                print(f"{label:>26}: {speeds[0]:.2f}x wall {speeds[1]:.2f}x cpu (lines per second)")


if __name__ == "__main__":
    main()
