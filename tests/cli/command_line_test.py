#!/usr/bin/env python3
"""The calculator on the command line, with no display: whole problems answered one line each,
from the arguments and from standard input, errors on standard error, and the exit status.
Usage: command_line_test.py PROGRAM [RUNNER...]   (RUNNER: what runs it, such as wine-run.sh)
Under Wine, ondavi.com beside ondavi.exe is also run from cmd.exe, as a person at a command
prompt runs it.
"""
import json
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
    ("1/-2 + 1", None, "not a problem: write a blank beside the / that divides in 1/-2"),
    ("1/2/3", None, "not a problem: write a blank beside the / that divides in 1/2/3"),
    ("-(1/2 + 1/3)", None,
     "not a problem: a minus sign before a bracket (character 1): write -1 x ( or 0 - ("),
    ("2 (1 + 1)", None, "not a problem: write x between 2 and ("),
    ("\u00bd3 + 0", None, "not a problem: write x between \u00bd and 3"),
    ("10\u00a0000/3 x 3", None,
     "not a problem: the numerator of a mixed number has no leading zero: write 10000/3 or "
     "10 + 000/3"),
    ("1 500/2 + 0", None,
     "not a problem: the fraction of a mixed number is less than 2: write 1500/2 or 1 + 500/2"),
    ("2 15/12 - 1 8/12", "19/12 = 1 7/12 = 1.58333333333333", None),
    # One number alone, in lowest terms; a percent, its fraction over 100.
    ("18/24", "3/4 = 0.75", None),
    ("0.375", "3/8 = 0.375", None),
    ("1\u00bd", "3/2 = 1 1/2 = 1.5", None),
    ("7/4", "7/4 = 1 3/4 = 1.75", None),
    ("2 3/4", "11/4 = 2 3/4 = 2.75", None),
    ("-6/4", "-3/2 = -1 1/2 = -1.5", None),
    ("35%", "7/20 = 0.35", None),
    ("12.5%", "1/8 = 0.125", None),
    ("25% x 3/4", "3/16 = 0.1875", None),
    ("1/2 + 10%", "3/5 = 0.6", None),
    ("1 1/2% x 200", "3/1 = 3 = 3", None),
    ("2 - 3/4 = ?", "5/4 = 1 1/4 = 1.25", None),
]

# A comparison, statement or chain, the line the command line answers it with, and its status.
STATEMENTS = [
    ("5/8 ? 3/5", "5/8 > 3/5", 0),
    ("3/5 ? 5/8", "3/5 < 5/8", 0),
    ("1/2 + 1/3 ? 5/6", "1/2 + 1/3 = 5/6", 0),
    ("5/8 > 3/5", "true 5/8 > 3/5", 0),
    ("5/8 < 3/5", "false 5/8 < 3/5", 1),
    ("5/8 = 10/16", "true 5/8 = 10/16", 0),
    ("5/8 > 3/5?", "true 5/8 > 3/5", 0),
    ("2/4 \u2264 1/2", "true 2/4 <= 1/2", 0),
    ("2/4 >= 3/4", "false 2/4 >= 3/4", 1),
    ("1/3 \u2260 0.333", "true 1/3 != 0.333", 0),
    ("1/3 != 2/6", "false 1/3 != 2/6", 1),
    ("35% = 7/20", "true 35% = 7/20", 0),
    ("-1/2 < -1/3", "true -1/2 < -1/3", 0),
    ("123/997 ? 119/961", "123/997 < 119/961", 0),
    ("-1/997 > 1/961", "false -1/997 > 1/961", 1),
    ("3 1/4 - 1 2/3 = 1 7/12", "true 3 1/4 - 1 2/3 = 1 7/12", 0),
    ("3 1/4 - 1 2/3 = 1 5/12", "false 3 1/4 - 1 2/3 = 1 5/12", 1),
    ("3 1/4 - 1 2/3 = 38/24", "true 3 1/4 - 1 2/3 = 38/24", 0),
    ("1/2 + 1/2 = 1", "true 1/2 + 1/2 = 1", 0),
    ("3 1/4 - 1 2/3 = 2 5/4 - 1 2/3 = 1 3/4", "false 3 1/4 - 1 2/3 = 2 5/4 - 1 2/3 = 1 3/4", 1),
    ("3 1/4 - 1 2/3 = 2 5/4 - 1 2/3 = 1 7/12", "true 3 1/4 - 1 2/3 = 2 5/4 - 1 2/3 = 1 7/12",
     0),
    # A student's lines pasted at once, each starting with "=".
    ("3 1/4 - 1 2/3\n= 2 15/12 - 1 8/12\n= 1 7/12\n",
     "true 3 1/4 - 1 2/3 = 2 15/12 - 1 8/12 = 1 7/12", 0),
]


# The README's list of the kinds of step of a worked solution.
README = (pathlib.Path(__file__).resolve().parents[2] / "README.md").read_text(encoding="utf-8")
DOCUMENTED_KINDS = README[README.index("- The kinds:"):README.index("Kinds may be added")]


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

    def test_a_statement_is_true_or_false_and_a_comparison_names_the_sign(self):
        for problem, line, status in STATEMENTS:
            with self.subTest(problem=problem):
                done = run(["--calculate", problem])
                self.assertEqual((done.stdout.decode(), done.stderr.decode(), done.returncode),
                                 (line + "\n", "", status))
                done = run(["--explain", problem, "--format", "json"])
                o = json.loads(done.stdout.decode())
                self.assertEqual((o["answer"], done.returncode), (line, status))
                steps = list(o["steps"])
                kinds = []
                for step in steps:
                    self.assertIn(f"`{step['kind']}`", DOCUMENTED_KINDS)
                    kinds.append(step["kind"])
                    steps += step["steps"]
                self.assertIn("verdict", kinds)
        # A chain names its first false line, and what its left side is.
        done = run(["--explain", "3 1/4 - 1 2/3 = 2 5/4 - 1 2/3 = 1 3/4"])
        out = done.stdout.decode()
        self.assertIn("Line 2 of 2: 2 5/4 - 1 2/3 = 1 3/4\n", out)
        self.assertIn("  2 5/4 - 1 2/3 is 1 7/12, not 1 3/4.\n", out)
        self.assertTrue(out.endswith("False: 2 5/4 - 1 2/3 = 1 3/4\n"
                                     "false 3 1/4 - 1 2/3 = 2 5/4 - 1 2/3 = 1 3/4\n\n"))
        # Other text across lines is still refused.
        done = run(["--calculate", "1 +\n2 = 3"])
        self.assertIn("a line end inside the problem", done.stderr.decode())
        self.assertEqual(done.returncode, 1)

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
                   b"(1/2 + 1/3) x 3/4\n1 +\x00\x1b[2J 2\n2 + 5\xe2\x80\xa83/4 + 1/4\n"
                   b"-12 5/8 x 3 7/9\n")
        self.assertEqual(done.stdout.decode().splitlines(),
                         ["13/6 = 2 1/6 = 2.16666666666667", "5/8 = 0.625",
                          "-1717/36 = -47 25/36 = -47.6944444444444"])
        # The echoed line escapes control characters, separators and bytes that are not UTF-8.
        self.assertEqual(done.stderr.decode().splitlines(),
                         ["ondavi: three quarters: not a problem: "
                          "'t' (character 1) is not part of a problem",
                          "ondavi: 1 \\xC0\\xAB 2: not a problem: byte 3 is not UTF-8 text",
                          "ondavi: 1 +\\x00\\x1B[2J 2: not a problem: "
                          "'U+0000' (character 4) is not part of a problem",
                          "ondavi: 2 + 5\\xE2\\x80\\xA83/4 + 1/4: not a problem: "
                          "a line end inside the problem (character 6): write one problem a line"])
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
                ({"LANGUAGE": "ja:fr", "LANG": "en_US.UTF-8"}, "    書きなおすと ",
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

    def test_a_refusal_says_why_in_the_users_language(self):
        for variables, refused in (
                ({"LANGUAGE": "fr"}, "ondavi: 2 (1 + 1): ce n'est pas un calcul que je sais lire: "
                                     "écrivez x entre 2 et ("),
                ({"LANG": "de_DE.UTF-8"}, "ondavi: 2 (1 + 1): keine Aufgabe: "
                                          "Schreibe x zwischen 2 und (")):
            with self.subTest(variables=variables):
                done = subprocess.run(COMMAND + ["--calculate", "2 (1 + 1)"], capture_output=True,
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

    def test_a_worked_solution_ends_with_the_answer_line_or_stops_with_the_message(self):
        for problem, line, message in PROBLEMS:
            with self.subTest(problem=problem):
                done = run(["--explain", problem])
                out, err = done.stdout.decode(), done.stderr.decode()
                if line:
                    lines = [line for line in out.splitlines() if line]
                    self.assertEqual((lines[-1], err, done.returncode), (line, "", 0))
                    self.assertTrue(lines[-2].startswith("Answer: "))
                else:
                    self.assertEqual((err, done.returncode),
                                     (f"ondavi: {problem}: {message}\n", 1))

    def test_json_answers_and_worked_solutions_one_object_a_problem(self):
        problems = [problem for problem, _, _ in PROBLEMS]
        stdin = "\n".join(problems).encode()
        for asked in ("--calculate", "--explain"):
            with self.subTest(asked=asked):
                done = run(["--format", "json", asked, "-"], stdin)
                objects = [json.loads(line) for line in done.stdout.decode().splitlines()]
                self.assertEqual(done.returncode, 1)
                self.assertEqual([o["problem"] for o in objects], problems)
                for (problem, line, message), o in zip(PROBLEMS, objects):
                    self.assertEqual((o.get("answer"), o.get("message")), (line, message))
                    if asked == "--calculate" or (message or "").startswith("not a problem"):
                        self.assertNotIn("steps", o)
                        continue
                    self.assertEqual(o["steps"][-1]["kind"], "answer" if line else "no_answer")
                    steps = list(o["steps"])
                    for step in steps:
                        self.assertEqual(set(step) - {"lcd", "gcf", "factor"},
                                         {"kind", "text", "math", "steps"})
                        self.assertIn(f"`{step['kind']}`", DOCUMENTED_KINDS)
                        steps += step["steps"]

    def test_json_keeps_any_problem_text_a_valid_string(self):
        for problem in ('say "1/2"\\', "1/2\t+\x011/3", "½ + ⅓"):
            with self.subTest(problem=problem):
                done = run(["--format", "json", "--explain", problem])
                self.assertEqual(json.loads(done.stdout.decode())["problem"], problem)

    def test_the_settings_choose_the_method(self):
        for arguments, present, absent in (
                (["5/12 + 7/18"], "by listing multiples", "Prime factors"),
                (["--lcd", "primes", "5/12 + 7/18"], "Prime factors of 12: 12 = 2 x 2 x 3", "Multiples"),
                (["--lcd=multiples", "7/120 + 1/18"], "by listing multiples", "Prime factors"),
                (["3 1/4 - 1 2/3"], "take 1 from the whole number", "improper"),
                (["--mixed", "improper", "3 1/4 - 1 2/3"], "3 1/4 = (3 x 4 + 1)/4 = 13/4", "apart"),
                (["5/2 x 4/5"], "Cancel common factors", "(5 x 4)"),
                (["--no-cancel", "5/2 x 4/5"], "(5 x 4)/(2 x 5) = 20/10", "Cancel")):
            with self.subTest(arguments=arguments):
                out = run(["--explain"] + arguments).stdout.decode()
                self.assertIn(present, out)
                self.assertNotIn(absent, out)

    def test_a_worked_solution_in_the_users_language_and_as_latex(self):
        done = subprocess.run(COMMAND + ["--explain", "2 1/2 / 1 1/4"], capture_output=True,
                              env={**NO_DISPLAY, "LANGUAGE": "fr"}, timeout=120)
        lines = [line for line in done.stdout.decode().splitlines() if line]
        self.assertEqual(lines[-2:], ["Résultat\u00a0: 2 1/2 / 1 1/4 = 2", "2/1 = 2 = 2"])
        self.assertIn("Diviser par une fraction, c'est multiplier par son inverse\u00a0: "
                      "5/2 / 5/4 = 5/2 x 4/5", lines)
        latex = run(["--explain", "3 1/4 - 1 2/3", "--format", "latex"]).stdout.decode()
        self.assertIn("$3\\tfrac{1}{4} - 1\\tfrac{2}{3} = 1\\tfrac{7}{12}$ \\\\\n", latex)
        self.assertIn("$\\frac{1}{4} = \\frac{1 \\times 3}{4 \\times 3} = \\frac{3}{12}$", latex)

    def test_a_thousand_operands(self):
        done = run(["--calculate", " + ".join(["1/2"] * 1000)])
        self.assertEqual((done.stdout.decode(), done.returncode), ("500/1 = 500 = 500\n", 0))

    def test_usage_errors_have_status_2_and_a_hint(self):
        for arguments in (["--calculate"], ["--work"], ["--bogus"], ["--calculate", "--work"],
                          ["--explain"], ["--work", "--explain", "1/2"], ["--format", "json"],
                          ["--format", "xml", "--explain", "1/2"], ["--explain", "1/2", "--lcd"],
                          ["--format=latex", "--calculate", "1/2"],
                          ["--lcd", "primes", "--calculate", "1/2"],
                          ["--mixed", "apart", "1/2"], ["--no-cancel", "1/2"]):
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
