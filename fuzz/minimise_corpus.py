#!/usr/bin/env python3
"""Chooses a small corpus that keeps the coverage of larger ones.

    fuzz/minimise_corpus.py FUZZER OUTDIR INPUTDIR... [--max N] [--cwd DIR] [--tmp DIR]

Runs FUZZER (a libFuzzer target) once over the inputs with -set_cover_merge=1, which
records the features of every input (each a coverage counter with a bucket of its hit
count) in a control file. From that record it picks greedily: first inputs until every
counter any input reaches is reached (each time the one adding the most new counters,
the smaller on a tie), then, while fewer than N are chosen, the inputs adding the most
new features. The chosen inputs are copied into OUTDIR (emptied first) under
their content hashes. --cwd and --tmp give the fuzzer's working directory and TMPDIR
(the assembler target resolves .INCLUDE lines from its working directory).
"""
import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile


def read_control(path):
    """Returns (files, {index: (size, features, counters)}) from a merge control file."""
    with open(path) as f:
        lines = f.read().split("\n")
    count = int(lines[0])
    files = lines[2 : 2 + count]
    runs = {}
    for line in lines[2 + count :]:
        words = line.split()
        if not words:
            continue
        index = int(words[1])
        size, features, edges = runs.get(index, (0, set(), set()))
        if words[0] == "STARTED":
            size = int(words[2])
        elif words[0] == "FT":
            features = set(map(int, words[2:]))
            # A counter's features are its number times 8 plus the hit-count bucket.
            edges = {feature >> 3 for feature in features}
        runs[index] = (size, features, edges)
    return files, runs


def greedy(candidates, runs, key, covered, chosen, limit):
    """Adds to `chosen` the candidate adding most new items of runs[i][key] until none adds any."""
    while len(chosen) < limit:
        best, best_gain = None, 0
        for i in candidates:
            if i in chosen:
                continue
            gain = len(runs[i][key] - covered)
            if gain > best_gain or (gain == best_gain and gain and runs[i][0] < runs[best][0]):
                best, best_gain = i, gain
        if best is None:
            return
        chosen.append(best)
        covered |= runs[best][key]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("fuzzer")
    parser.add_argument("outdir")
    parser.add_argument("inputs", nargs="+")
    parser.add_argument("--max", type=int, default=300)
    parser.add_argument("--cwd", default=None)
    parser.add_argument("--tmp", default=None)
    args = parser.parse_args()

    scratch = tempfile.mkdtemp(prefix="zorlan-minimise-")
    try:
        control = os.path.join(scratch, "control")
        merged = os.path.join(scratch, "merged")
        os.mkdir(merged)
        env = dict(os.environ)
        if args.tmp:
            env["TMPDIR"] = os.path.abspath(args.tmp)
        inputs = [os.path.abspath(d) for d in args.inputs]
        subprocess.run([os.path.abspath(args.fuzzer), "-set_cover_merge=1", "-merge_control_file=" + control,
                        "-timeout=10", "-rss_limit_mb=2048", merged] + inputs,
                       cwd=args.cwd, env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        files, runs = read_control(control)
        # Inputs that crashed or timed out have no record; equal contents count once.
        seen, candidates = set(), []
        for i in sorted(runs, key=lambda i: runs[i][0]):
            with open(files[i], "rb") as f:
                digest = hashlib.sha1(f.read()).hexdigest()
            if digest not in seen:
                seen.add(digest)
                candidates.append(i)
        all_edges = set().union(*(runs[i][2] for i in candidates))
        all_features = set().union(*(runs[i][1] for i in candidates))

        chosen = []
        edges, features = set(), set()
        greedy(candidates, runs, 2, edges, chosen, len(candidates))
        for_counters = len(chosen)
        for i in chosen:
            features |= runs[i][1]
        greedy(candidates, runs, 1, features, chosen, args.max)

        shutil.rmtree(args.outdir, ignore_errors=True)
        os.makedirs(args.outdir)
        total = 0
        for i in chosen:
            with open(files[i], "rb") as f:
                data = f.read()
            total += len(data)
            with open(os.path.join(args.outdir, hashlib.sha1(data).hexdigest()), "wb") as f:
                f.write(data)
        print(f"{len(candidates)} inputs with {len(all_edges)} counters and {len(all_features)} features; "
              f"kept {len(chosen)} ({total} bytes, the first {for_counters} for the counters) with "
              f"{len(edges)} counters and {len(features)} features")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
