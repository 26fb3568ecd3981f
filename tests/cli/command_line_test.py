#!/usr/bin/env python3
"""The calculator on the command line, with no display: whole problems answered one line each,
from the arguments and from standard input, errors on standard error, and the exit status.
Usage: command_line_test.py PROGRAM [RUNNER...]   (RUNNER: what runs it, such as wine-run.sh)
"""
import os
import subprocess
import sys
import unittest

COMMAND = sys.argv[2:] + sys.argv[1:2]
NO_DISPLAY = {k: v for k, v in os.environ.items()
              if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
NO_DISPLAY["ONDAVI_NO_DISPLAY"] = "1"  # tells wine-run.sh to start no X server either

# A problem as typed, and the answer line, or the message on standard error.
PROBLEMS = [
    ("1 1/2 + 2/3", "13/6 = 2 1/6 = 2.16666666666667", None),
    ("-12 5/8 x 3 7/9", "-1717/36 = -47 25/36 = -47.6944444444444", None),
    ("1/2 + 1/6", "2/3 = 0.666666666666667", None),
    ("-1/4 - 1/4", "-1/2 = -0.5", None),
    ("6/3 + 0", "2/1 = 2 = 2", None),
    ("3 1/4 \u2212 1\u00bd =", "7/4 = 1 3/4 = 1.75", None),
    ("999999999999999 + 2/3", "2999999999999999/3 = 999999999999999 2/3 = 1E+15", None),
    ("1/2 / 0", None, "Cannot divide by zero."),
    ("94906267 x 94906267", None, "Numbers too large to calculate."),
    ("1/-2 + 1", None, "not a problem"),
    ("1/2/3", None, "not a problem"),
]


def run(arguments, stdin=""):
    return subprocess.run(COMMAND + arguments, input=stdin.encode(), capture_output=True,
                          env=NO_DISPLAY, timeout=120)


class CommandLineTest(unittest.TestCase):
    def test_each_problem_from_the_arguments(self):
        for problem, line, message in PROBLEMS:
            with self.subTest(problem=problem):
                done = run(["--calculate", problem])
                out, err = done.stdout.decode(), done.stderr.decode()
                if line:
                    self.assertEqual((out, err, done.returncode), (line + "\n", "", 0))
                else:
                    self.assertEqual((out, err, done.returncode),
                                     ("", f"ondavi: {problem}: {message}\n", 1))

    def test_a_batch_on_standard_input_goes_on_after_a_bad_line(self):
        done = run(["--calculate", "-"], "1 1/2 + 2/3\r\nthree quarters\n\n-12 5/8 x 3 7/9\n")
        self.assertEqual(done.stdout.decode().splitlines(),
                         ["13/6 = 2 1/6 = 2.16666666666667",
                          "-1717/36 = -47 25/36 = -47.6944444444444"])
        self.assertEqual(done.stderr.decode(), "ondavi: three quarters: not a problem\n")
        self.assertEqual(done.returncode, 1)

    def test_work_follows_each_answer_in_lines_ending_in_lf(self):
        done = run(["--calculate", "1/2 + 1/6", "--work"])
        self.assertEqual(done.stdout.decode(),
                         "2/3 = 0.666666666666667\n  1/2   +    1/6\n    Becomes \n"
                         " 3/ 6   +   1/ 6\n    Answer is\n 4/ 6\n"
                         "    After Reduction by GCF 2\n 2/ 3\n")

    def test_usage_errors_have_status_2(self):
        for arguments in (["--calculate"], ["--work"], ["--bogus"]):
            with self.subTest(arguments=arguments):
                self.assertEqual(run(arguments).returncode, 2)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
