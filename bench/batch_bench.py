#!/usr/bin/env python3
"""Batches of whole problems through "ondavi --calculate -" beside a plain Python script that
prints the same answer lines with fractions.Fraction (fractions_baseline.py, checked to print
the same): problems per second of each (medians of five runs, taken in turn), their ratio, the
worked solutions of "ondavi --explain - --format json" in problems per second, and
ondavi's peak resident memory at the batch's length and at ten times it. Then batch_bench times
the core alone doing the same steps, and the whole command line, in one process.

Two batches: two mixed numbers with parts from 1 to 999 and each operator; and problems of 2 to
6 such operands (mixed numbers, fractions, whole numbers) with brackets. A problem whose steps
reach numbers too large to calculate is left out of the timed batch, so that both programs
answer every line.
Usage: batch_bench.py PROGRAM BATCH_BENCH [COUNT]   (COUNT defaults to 100,000)
"""
import os
import pathlib
import random
import statistics
import subprocess
import sys
import tempfile
import time

BASELINE = [sys.executable, str(pathlib.Path(__file__).with_name("fractions_baseline.py"))]
NO_DISPLAY = {**os.environ, "DISPLAY": "", "WAYLAND_DISPLAY": ""}


def mixed_numbers(rng):
    part = lambda: rng.randrange(1, 1000)  # noqa: E731
    return f"{part()} {part()}/{part()} {rng.choice('+-x/')} {part()} {part()}/{part()}"


def bracketed(rng):
    def operand():
        whole, num, den = (rng.randrange(1, 1000) for _ in range(3))
        sign = rng.choice(["", "", "-"])
        return rng.choice([f"{sign}{whole} {num}/{den}", f"{sign}{num}/{den}", f"{sign}{whole}"])

    def expression(count):
        if count == 1:
            return operand()
        left = rng.randrange(1, count)
        text = f"{expression(left)} {rng.choice('+-x/')} {expression(count - left)}"
        return f"({text})" if rng.random() < 0.4 else text

    return expression(rng.randint(2, 6))


def run(command, path):
    """Seconds, standard output and standard error of one run on the file. Both streams go to
    files, so that the time is the program's rather than this script's reading of a pipe."""
    with open(path) as stdin, tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        start = time.perf_counter()
        subprocess.run(command, stdin=stdin, stdout=out, stderr=err, env=NO_DISPLAY)
        seconds = time.perf_counter() - start
        out.seek(0)
        err.seek(0)
        return seconds, out.read(), err.read()


def peak_kib(command, path):
    """Peak resident memory of the program alone, as GNU time reports it (a child forked from
    this script would count the script's own pages until it starts the program)."""
    with open(path) as stdin:
        done = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, stdin=stdin,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=NO_DISPLAY)
    return int(done.stderr.decode().split()[-1])


def write(path, lines):
    path.write_text("".join(line + "\n" for line in lines))


def bench(name, problem, program, batch_bench, count, folder):
    rng = random.Random(20261209)
    lines = [problem(rng) for _ in range(count)]
    path = folder / f"{name.split()[0]}.txt"
    write(path, lines)
    ondavi = [program, "--calculate", "-"]
    refused = {line.split(": ")[1] for line in
               run(ondavi, path)[2].decode().splitlines() if line.startswith("ondavi: ")}
    lines = [line for line in lines if line not in refused]
    write(path, lines)
    times = {"ondavi": [], "python": []}
    outputs = {}
    for _ in range(5):
        for who, command in (("ondavi", ondavi), ("python", BASELINE)):
            seconds, out, _ = run(command, path)
            times[who].append(seconds)
            outputs[who] = out
    if outputs["ondavi"] != outputs["python"]:
        mine, theirs = outputs["ondavi"].splitlines(), outputs["python"].splitlines()
        first = next(i for i, (a, b) in enumerate(zip(mine + [b""], theirs + [b""])) if a != b)
        sys.exit(f"{name}: the answers differ at line {first + 1}: {lines[first]!r}: "
                 f"ondavi {mine[first:first + 1]}, python {theirs[first:first + 1]}")
    rate = {who: len(lines) / statistics.median(t) for who, t in times.items()}
    write(folder / "long.txt", lines * 10)
    print(f"{name}: {len(lines):,} problems ({len(refused)} left out as too large), "
          f"the same {len(outputs['ondavi']):,} bytes of answers from both")
    print(f"  ondavi --calculate -  {rate['ondavi']:12,.0f} problems/s")
    print(f"  fractions_baseline.py {rate['python']:12,.0f} problems/s")
    print(f"  ratio                 {rate['ondavi'] / rate['python']:12.1f}x")
    explain = [program, "--explain", "-", "--format", "json"]
    explained = len(lines) / statistics.median(run(explain, path)[0] for _ in range(5))
    print(f"  ondavi --explain - --format json {explained:12,.0f} problems/s (worked solutions)")
    print(f"  ondavi's peak resident memory: {peak_kib(ondavi, path) / 1024:.1f} MiB for "
          f"{len(lines):,} lines, {peak_kib(ondavi, folder / 'long.txt') / 1024:.1f} MiB for "
          f"{10 * len(lines):,}")
    sys.stdout.flush()
    subprocess.run([batch_bench, "--benchmark_repetitions=5",
                    "--benchmark_report_aggregates_only=true", str(path)], check=True)


def main(program, batch_bench, count):
    with tempfile.TemporaryDirectory() as folder:
        for name, problem in (("two mixed numbers", mixed_numbers),
                              ("2 to 6 operands with brackets", bracketed)):
            bench(name, problem, program, batch_bench, count, pathlib.Path(folder))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 100_000)
