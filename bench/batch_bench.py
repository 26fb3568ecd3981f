#!/usr/bin/env python3
"""A batch of whole problems through "ondavi --calculate -": problems per second (median of
five runs) and the program's peak resident memory, beside the same batch in batch_bench, which
times the core alone and the command line in one process.
Usage: batch_bench.py PROGRAM BATCH_BENCH [COUNT]   (COUNT defaults to 100,000)
"""
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time


def problems(count):
    """Mixed numbers, fractions and whole numbers with one- to three-digit parts, all four
    operators, and now and then a line that is no problem or a division by zero."""
    rng = random.Random(20261208)

    def operand():
        whole, num, den = (rng.randrange(1, 10 ** rng.randint(1, 3)) for _ in range(3))
        sign = rng.choice(["", "", "-"])
        return rng.choice([f"{sign}{whole} {num}/{den}", f"{sign}{num}/{den}", f"{sign}{whole}"])

    lines = []
    for _ in range(count):
        roll = rng.random()
        if roll < 0.01:
            lines.append("three quarters")
        elif roll < 0.02:
            lines.append(f"{operand()} / 0")
        else:
            lines.append(f"{operand()} {rng.choice('+-x/')} {operand()}")
    return "\n".join(lines) + "\n"


def main(program, batch_bench, count):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as batch:
        batch.write(problems(count))
    try:
        seconds, peak_kib = [], 0
        for _ in range(5):
            with open(batch.name) as stdin:
                start = time.perf_counter()
                child = subprocess.Popen([program, "--calculate", "-"], stdin=stdin,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                         env={**os.environ, "DISPLAY": ""})
                _, status, usage = os.wait4(child.pid, 0)
                seconds.append(time.perf_counter() - start)
                peak_kib = max(peak_kib, usage.ru_maxrss)
        median = statistics.median(seconds)
        print(f"{program} --calculate - on {count:,} problems: median {median:.3f} s, "
              f"{count / median:,.0f} problems/s, peak resident memory {peak_kib / 1024:.1f} MiB"
              f" (exit status {os.waitstatus_to_exitcode(status)}: some lines have no answer)")
        sys.stdout.flush()
        subprocess.run([batch_bench, "--benchmark_repetitions=5",
                        "--benchmark_report_aggregates_only=true", batch.name], check=True)
    finally:
        os.unlink(batch.name)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 100_000)
