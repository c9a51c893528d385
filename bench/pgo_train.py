#!/usr/bin/env python3
"""Training runs for the profile-guided release build (see cmake/Pgo.cmake).

    python3 bench/pgo_train.py INSTRUMENTED_ZORLAN WORKDIR

Writes the benchmark's generated programs (bench.py: the program with and without the
debug directives, and the compiler's shape) into WORKDIR and assembles each of them with
the instrumented assembler, as a build would: plain and with -d 1, large and small, and
an empty source. The profile is what those runs did.
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bench  # noqa: E402  (the generators)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    zorlan, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    programs = []
    for lines in (20000, 2000):
        for name, text in (("program", bench.generate(lines, False)[0]),
                           ("program_debug", bench.generate(lines, True)[0]),
                           ("compiler", bench.generate_compiler_style(lines)[0])):
            path = os.path.join(work, f"{name}{lines}.asm")
            with open(path, "w") as f:
                f.write(text)
            programs.append((path, name != "program"))
    empty = os.path.join(work, "empty.asm")
    open(empty, "w").close()
    programs.append((empty, False))
    for path, debug in programs:
        for args in ([], ["-d", "1"]) if debug else ([],):
            subprocess.run([zorlan, "-q", *args, "-o", path[:-4] + ".obj", path], check=True,
                           stdout=subprocess.DEVNULL)


if __name__ == "__main__":
    main()
