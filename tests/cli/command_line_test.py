#!/usr/bin/env python3
"""The calculator on the command line, with no display: whole problems answered one line each,
from the arguments and from standard input, errors on standard error, and the exit status.
Usage: command_line_test.py PROGRAM [RUNNER...]   (RUNNER: what runs it, such as wine-run.sh)
Under Wine, ondavi.com beside ondavi.exe is also run from cmd.exe, as a person at a command
prompt runs it.
"""
import os
import pathlib
import select
import subprocess
import sys
import tempfile
import threading
import unittest

PROGRAM = sys.argv[1]
RUNNER = sys.argv[2:]
COMMAND = RUNNER + [PROGRAM]
NO_DISPLAY = {k: v for k, v in os.environ.items()
              if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                           "LC_MESSAGES", "LANG")}
NO_DISPLAY["ONDAVI_NO_DISPLAY"] = "1"  # tells wine-run.sh to start no X server either
NO_DISPLAY["LANG"] = "C.UTF-8"  # English, and UTF-8 arguments, which Wine reads by the locale

# A problem as typed, and the answer line, or the message on standard error.
PROBLEMS = [
    ("1 1/2 + 2/3", "13/6 = 2 1/6 = 2.16666666666667", None),
    ("-12 5/8 x 3 7/9", "-1717/36 = -47 25/36 = -47.6944444444444", None),
    ("1/2 + 1/6", "2/3 = 0.666666666666667", None),
    ("-1/4 - 1/4", "-1/2 = -0.5", None),
    ("6/3 + 0", "2/1 = 2 = 2", None),
    ("3 1/4 \u2212 1\u00bd =", "7/4 = 1 3/4 = 1.75", None),
    ("3 1/4 \u2013 1 2/3", "19/12 = 1 7/12 = 1.58333333333333", None),  # an en dash
    ("\uff11\uff0f\uff12\u3000\uff0b\u3000\uff11\uff0f\uff13", "5/6 = 0.833333333333333", None),
    ("999999999999999 + 2/3", "2999999999999999/3 = 999999999999999 2/3 = 1E+15", None),
    ("0.25 + 1/2", "3/4 = 0.75", None),
    ("1/2 + 1/3 + 1/4", "13/12 = 1 1/12 = 1.08333333333333", None),
    ("(1/2 + 1/3) x 3/4", "5/8 = 0.625", None),
    ("(2/3 + 1/4) / 5/6", "11/10 = 1 1/10 = 1.1", None),
    ("1/2 / 0", None, "Cannot divide by zero."),
    ("5/0 + 1", None, "Cannot divide by zero."),
    ("1 1/0 x 3", None, "Cannot divide by zero."),
    ("94906267 x 94906267", None, "Numbers too large to calculate."),
    ("0.12345678901234567 + 1", None, "Numbers too large to calculate."),
    ("1/-2 + 1", None, "not a problem"),
    ("1/2/3", None, "not a problem"),
    ("-(1/2 + 1/3)", None, "not a problem"),
]


def run(arguments, stdin=b"", **options):
    return subprocess.run(COMMAND + arguments, input=stdin, capture_output=True,
                          env=NO_DISPLAY, timeout=120, **options)


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

    def test_the_words_of_an_unquoted_problem_are_one_problem(self):
        five_sixths = "5/6 = 0.833333333333333"
        half = "1/2 = 0.5"
        for arguments, line in (
                (["--calculate", "1/2", "+", "1/3"], five_sixths), (["1/2", "+", "1/3"], five_sixths),
                (["--calculate", "1/6", "-", "-2/3"], five_sixths),
                (["--calculate=1/2", "+", "1/3"], five_sixths),
                (["--work", "--calculate", "1/2", "+", "1/3"], five_sixths),
                (["--calculate", "--work", "1/2", "+", "1/3"], five_sixths),
                # A first word with a minus sign before a number is a problem's, not an option.
                (["-1/2", "+", "1"], half), (["-\u00bd", "+", "1"], half),
                (["-\uff11/\uff12", "+", "1"], half), (["-1\u00bd", "x", "2"], "-3/1 = -3 = -3"),
                (["-.25", "+", "1/2"], "1/4 = 0.25")):
            with self.subTest(arguments=arguments):
                done = run(arguments)
                self.assertEqual(done.stdout.decode().splitlines()[0], line)
                self.assertEqual(done.returncode, 0)

    def test_a_batch_on_standard_input_goes_on_after_a_bad_line(self):
        # Blank lines: empty, and only spaces as typed, pasted (no-break, narrow no-break, figure,
        # thin) or from an East Asian input method (ideographic).
        done = run(["--calculate", "-"],
                   b"\xef\xbb\xbf1 1/2 + 2/3\r\nthree quarters\n\n \t\xc2\xa0\xe3\x80\x80\r\n"
                   b"\xe2\x80\xaf\xe2\x80\x87\xe2\x80\x89\n1 \xc0\xab 2\n"
                   b"(1/2 + 1/3) x 3/4\n-12 5/8 x 3 7/9\n")
        self.assertEqual(done.stdout.decode().splitlines(),
                         ["13/6 = 2 1/6 = 2.16666666666667", "5/8 = 0.625",
                          "-1717/36 = -47 25/36 = -47.6944444444444"])
        self.assertEqual(done.stderr.decode(errors="replace").splitlines(),
                         ["ondavi: three quarters: not a problem",
                          "ondavi: 1 \ufffd\ufffd 2: not a problem"])
        self.assertEqual(done.returncode, 1)

    def test_a_long_batch_keeps_every_answer_and_message_in_its_lines_place(self):
        # More lines than a block for each of eight cores, so that the cores share them.
        problems = [problem for _ in range(500) for problem, _, _ in PROBLEMS]
        expected = [line or f"ondavi: {problem}: {message}"
                    for _ in range(500) for problem, line, message in PROBLEMS]
        done = subprocess.run(COMMAND + ["--calculate", "-"], input="\n".join(problems).encode(),
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=NO_DISPLAY,
                              timeout=120)
        self.assertEqual(done.stdout.decode().splitlines(), expected)
        self.assertEqual(done.returncode, 1)

    def test_each_answer_comes_as_soon_as_its_line_is_complete(self):
        # A script that writes a line into a pipe and waits for its answer before the next one.
        program = subprocess.Popen(COMMAND + ["--calculate", "-"], stdin=subprocess.PIPE,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=NO_DISPLAY)
        try:
            for line, stream, expected in (
                    (b"1 1/2 + 2/3\n", program.stdout, b"13/6 = 2 1/6 = 2.16666666666667\n"),
                    (b"three quarters\n", program.stderr, b"ondavi: three quarters: "),
                    (b"\xc2\xa0\n-1/4 - 1/4\n", program.stdout, b"-1/2 = -0.5\n")):
                with self.subTest(line=line):
                    program.stdin.write(line)
                    program.stdin.flush()
                    ready, _, _ = select.select([stream], [], [], 60)
                    self.assertEqual(ready, [stream], "no answer while the input stays open")
                    self.assertTrue(stream.readline().startswith(expected))
        finally:
            program.stdin.close()
            self.assertEqual(program.wait(timeout=120), 1)
            program.stdout.close()
            program.stderr.close()

    def test_a_reader_that_goes_away_ends_the_program_with_status_1_and_no_message(self):
        # Standard output closed before the answer is written.
        reader, writer = os.pipe()
        os.close(reader)
        done = subprocess.run(COMMAND + ["--calculate", "1/2 + 1/3"], stdout=writer,
                              stderr=subprocess.PIPE, env=NO_DISPLAY, timeout=120)
        os.close(writer)
        self.assertEqual((done.returncode, done.stderr), (1, b""))
        # `| head -1` on a long batch: the reader goes away after the first answer.
        program = subprocess.Popen(COMMAND + ["--calculate", "-"], stdin=subprocess.PIPE,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=NO_DISPLAY)
        writing = threading.Thread(target=lambda: self._write_and_close(
            program.stdin, b"1/2 + 1/3\n" * 200_000))
        writing.start()
        self.assertEqual(program.stdout.readline(), b"5/6 = 0.833333333333333\n")
        program.stdout.close()
        self.assertEqual((program.wait(timeout=120), program.stderr.read()), (1, b""))
        writing.join()
        program.stderr.close()

    @staticmethod
    def _write_and_close(stream, data):
        try:
            stream.write(data)
            stream.close()
        except BrokenPipeError:
            pass

    def test_a_line_longer_than_a_million_bytes_is_refused_and_the_next_answered(self):
        answered = "1/2" + " + 1/2" * 166_666 + " "  # 1,000,000 bytes
        too_long = answered + " "
        self.assertEqual((len(answered), len(too_long)), (1_000_000, 1_000_001))
        done = run(["--calculate", "-"],
                   f"{answered}\n{too_long}\n1/2 + 1/4\n{too_long * 30}".encode())
        self.assertEqual(done.stdout.decode().splitlines(),
                         ["166667/2 = 83333 1/2 = 83333.5", "3/4 = 0.75"])
        refused = ("ondavi: 1/2 + 1/2 + 1/2 + 1/2 + 1/2 + 1/2 + 1/2 \u2026: "
                   "a problem of more than 1000000 bytes is not read")
        self.assertEqual(done.stderr.decode().splitlines(), [refused, refused])
        self.assertEqual(done.returncode, 1)
        if not RUNNER:  # Windows takes command lines of 32,767 characters at most
            done = run(["--calculate"] + ["1" * 100_000] * 10)
            self.assertEqual((done.stderr.decode(), done.returncode), (
                "ondavi: " + "1" * 40 + "\u2026: a problem of more than 1000000 bytes is not read\n",
                1))

    @unittest.skipIf(RUNNER, "GNU time measures the Linux program")
    def test_a_long_line_is_read_in_little_memory(self):
        with tempfile.TemporaryFile() as line:
            line.write(b"1/2" + b" + 1/2" * 5_000_000 + b"\n")  # 30 MB
            line.seek(0)
            done = subprocess.run(["/usr/bin/time", "-f", "%M"] + COMMAND + ["--calculate", "-"],
                                  stdin=line, capture_output=True, env=NO_DISPLAY, timeout=120)
        self.assertLess(int(done.stderr.decode().split()[-1]), 64 * 1024)  # KiB

    @unittest.skipIf(RUNNER, "Windows takes the user's number format, which Wine takes from the "
                             "host's installed locales")
    def test_a_decimal_comma_is_read_where_the_language_writes_one(self):
        # Regions that write a point, where "1,500" is fifteen hundred, take no comma.
        for variables, answers in (
                ({"LANGUAGE": "fr"}, True), ({"LC_ALL": "de_DE.UTF-8"}, True),
                ({"LANG": "pt_BR.UTF-8"}, True), ({"LANGUAGE": "es-AR"}, True),
                ({"LANG": "es_MX.UTF-8"}, False), ({"LANGUAGE": "es_419:fr"}, False),
                ({"LC_ALL": "de_CH.UTF-8"}, False), ({"LANGUAGE": "ja"}, False), ({}, False)):
            for arguments, stdin in ((["--calculate", "2,5 + 1/4"], b""),
                                     (["--calculate", "-"], b"2,5 + 1/4\n0,125 x 2\n")):
                with self.subTest(variables=variables, arguments=arguments):
                    done = subprocess.run(COMMAND + arguments, input=stdin, capture_output=True,
                                          env={**NO_DISPLAY, **variables}, timeout=120)
                    expected = ["11/4 = 2 3/4 = 2.75", "1/4 = 0.25"][:1 + len(stdin.splitlines()) // 2]
                    self.assertEqual(done.stdout.decode().splitlines(), expected if answers else [])
                    self.assertEqual(done.returncode, 0 if answers else 1)
                    if not answers:
                        self.assertTrue(done.stderr.decode().startswith("ondavi: 2,5 + 1/4: "))

    def test_the_steps_and_messages_speak_the_users_language_and_the_answer_line_does_not(self):
        for variables, becomes, refused in (
                ({"LANGUAGE": "fr"}, "    Devient ", "ondavi: 1/2 / 0: Division par zéro impossible."),
                ({"LANG": "de_DE.UTF-8"}, "    Wird zu ", "ondavi: 1/2 / 0: Durch null kann man nicht teilen."),
                ({"LANGUAGE": "ja:fr", "LANG": "en_US.UTF-8"}, "    通分すると ",
                 "ondavi: 1/2 / 0: 0 で割ることはできません。")):
            with self.subTest(variables=variables):
                done = subprocess.run(COMMAND + ["--calculate", "1 1/2 + 2/3", "--work"],
                                      capture_output=True, env={**NO_DISPLAY, **variables},
                                      timeout=120)
                lines = done.stdout.decode().splitlines()
                self.assertEqual(lines[0], "13/6 = 2 1/6 = 2.16666666666667")
                self.assertEqual(lines[2], becomes)
                done = subprocess.run(COMMAND + ["--calculate", "1/2 / 0"], capture_output=True,
                                      env={**NO_DISPLAY, **variables}, timeout=120)
                self.assertEqual(done.stderr.decode().strip(), refused)

    def test_work_follows_each_answer_in_lines_ending_in_lf(self):
        done = run(["--calculate", "1/2 + 1/6", "--work"])
        self.assertEqual(done.stdout.decode(),
                         "2/3 = 0.666666666666667\n  1/2   +    1/6\n    Becomes \n"
                         " 3/ 6   +   1/ 6\n    Answer is\n 4/ 6\n"
                         "    After Reduction by GCF 2\n 2/ 3\n")
        steps = run(["--calculate", "(1/2 + 1/3) x 3/4", "--work"]).stdout.decode()
        self.assertEqual([line for line in steps.splitlines() if line.startswith("Step")],
                         ["Step 1 of 2: 1/2 + 1/3", "Step 2 of 2: 5/6 x 3/4"])
        self.assertTrue(steps.endswith("After Reduction by GCF 3\n 5/ 8\n"))
        self.assertNotIn("\r", steps)

    def test_a_thousand_operands(self):
        done = run(["--calculate", " + ".join(["1/2"] * 1000)])
        self.assertEqual((done.stdout.decode(), done.returncode), ("500/1 = 500 = 500\n", 0))

    def test_usage_errors_have_status_2_and_a_hint(self):
        for arguments in (["--calculate"], ["--work"], ["--bogus"], ["--calculate", "--work"]):
            with self.subTest(arguments=arguments):
                done = run(arguments)
                self.assertEqual(done.returncode, 2)
                self.assertTrue(done.stderr.decode().endswith(
                    "\nTry 'ondavi --help' for more information.\n"))

    def test_an_answer_that_cannot_be_written_is_an_error(self):
        with open("/dev/full", "wb") as full:
            done = subprocess.run(COMMAND + ["--calculate", "1/2 + 1/3"], stdout=full,
                                  stderr=subprocess.PIPE, env=NO_DISPLAY, timeout=120)
        self.assertEqual(done.returncode, 1)
        self.assertIn("ondavi: cannot write to standard output", done.stderr.decode())

    @unittest.skipUnless(RUNNER, "ondavi.com runs under Wine only")
    def test_a_command_prompt_waits_for_ondavi_com_and_gets_its_status(self):
        folder = pathlib.Path(PROGRAM).parent
        self.assertTrue((folder / "ondavi.com").exists())
        for problem, expected in (("1 1/2 + 2/3", "13/6 = 2 1/6 = 2.16666666666667\n0"),
                                  ("1/2 / 0", "1"), ("three quarters", "1")):
            with self.subTest(problem=problem):
                # Unquoted words: Wine would pass inner quotes to cmd escaped with backslashes,
                # which cmd keeps.
                done = subprocess.run(
                    RUNNER + ["cmd", "/c", f"ondavi --calculate {problem} & echo %ERRORLEVEL%"],
                    cwd=folder, capture_output=True, env=NO_DISPLAY, timeout=120)
                self.assertEqual(done.stdout.decode().replace("\r\n", "\n").strip(), expected)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
