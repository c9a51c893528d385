#!/usr/bin/env python3
"""Check that two builds of the assembler behave identically.

Every input is assembled by both executables, from the same path and with the same
switches; the exit status, standard output, standard error (the listing), the object
bytes and the trace log must all match. Inputs are either fuzzing-corpus files, whose
first byte selects the switches (bit 0: -d 1, bit 1: -c, bit 2: -u, bit 3: -l) and whose
remaining bytes are the source, or plain `.asm` files given with --source, assembled
as they are and with -d 1, -l, -c, -u and all four together. With --include, every run
searches that folder for included files (the golden sources include files by paths
relative to tests/golden).

    python3 bench/compare.py REFERENCE CANDIDATE [--corpus DIR ...] [--source FILE ...]
                             [--include DIR]
"""
import argparse
import concurrent.futures
import os
import shutil
import subprocess
import sys
import tempfile


def run(zorlan, workdir, switches, include):
    """Assemble workdir/in.asm; returns everything a user of the tool can observe."""
    obj = os.path.join(workdir, "in.obj")
    log = os.path.join(workdir, "in.log")
    for stale in (obj, log):
        if os.path.exists(stale):
            os.remove(stale)
    args = [zorlan, "-o", obj]
    if "-l" in switches:
        args += ["-l", log]
    args += [s for s in switches if s != "-l"]
    if include:
        args += ["-I", include]
    args.append(os.path.join(workdir, "in.asm"))
    try:
        done = subprocess.run(args, cwd=workdir, capture_output=True, timeout=60)
        status, out, err = done.returncode, done.stdout, done.stderr
    except subprocess.TimeoutExpired:
        status, out, err = "timeout", b"", b""
    observed = [status, out, err]
    for path in (obj, log):
        observed.append(open(path, "rb").read() if os.path.exists(path) else None)
    if observed[-1] is not None:
        # The trace log opens with the command line, whose first word is the executable.
        observed[-1] = observed[-1].replace(zorlan.encode(), b"zorlan")
    return observed


FIELDS = ("exit status", "standard output", "listing", "object", "trace log")


def compare(reference, candidate, workdir, source, switches, include):
    with open(os.path.join(workdir, "in.asm"), "wb") as f:
        f.write(source)
    a = run(reference, workdir, switches, include)
    b = run(candidate, workdir, switches, include)
    return [name for name, x, y in zip(FIELDS, a, b) if x != y]


def corpus_switches(first):
    switches = []
    if first & 1:
        switches += ["-d", "1"]
    if first & 2:
        switches.append("-c")
    if first & 4:
        switches.append("-u")
    if first & 8:
        switches.append("-l")
    return switches


def cases(options):
    for directory in options.corpus:
        for name in sorted(os.listdir(directory)):
            data = open(os.path.join(directory, name), "rb").read()
            if data:
                yield name, data[1:], corpus_switches(data[0])
    for path in options.source:
        data = open(path, "rb").read()
        for switches in ([], ["-d", "1"], ["-l"], ["-c"], ["-u"], ["-d", "1", "-c", "-u", "-l"]):
            yield f"{path} {' '.join(switches)}", data, switches


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("reference")
    parser.add_argument("candidate")
    parser.add_argument("--corpus", nargs="*", action="extend", default=[])
    parser.add_argument("--source", nargs="*", action="extend", default=[])
    parser.add_argument("--include", help="a folder every run searches for included files")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    options = parser.parse_args()
    reference, candidate = os.path.abspath(options.reference), os.path.abspath(options.candidate)
    include = os.path.abspath(options.include) if options.include else None

    scratch = tempfile.mkdtemp(prefix="zorlan-compare-")
    # One working directory per worker thread, so both builds see the same paths.
    free = []
    for k in range(options.jobs):
        os.mkdir(os.path.join(scratch, str(k)))
        free.append(os.path.join(scratch, str(k)))

    def job(case):
        name, source, switches = case
        workdir = free.pop()
        try:
            return name, compare(reference, candidate, workdir, source, switches, include)
        finally:
            free.append(workdir)

    total = differing = 0
    try:
        with concurrent.futures.ThreadPoolExecutor(options.jobs) as pool:
            for name, differences in pool.map(job, cases(options)):
                total += 1
                if differences:
                    differing += 1
                    print(f"DIFFERS {name}: {', '.join(differences)}")
    finally:
        shutil.rmtree(scratch)
    print(f"{total} inputs compared, {differing} differ")
    return 1 if differing or total == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
