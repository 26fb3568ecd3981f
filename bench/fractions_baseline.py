#!/usr/bin/env python3
"""The plain script a batch of answers is compared with: reads one problem a line from standard
input (operands such as "3 1/4", "-1/4", "5"; operators + - x /, brackets), works it with
fractions.Fraction and prints the answer lines "ondavi --calculate -" prints, such as
"13/6 = 2 1/6 = 2.16666666666667". Lines it cannot read are reported on standard error.
"""
import decimal as decimal_module
import fractions
import re
import sys

TOKEN = re.compile(r"\s*(?:(-?\d+) (\d+)/(\d+)|(-?\d+)/(\d+)|(-?\d+)|([-+x/()]))")
RANK = {"+": 1, "-": 1, "x": 2, "/": 2}
APPLY = {"+": lambda a, b: a + b, "-": lambda a, b: a - b, "x": lambda a, b: a * b,
         "/": lambda a, b: a / b}


def solve(line):
    """The value of the line, brackets first, x and / before + and -, left to right."""
    values, operators, at = [], [], 0

    def reduce_top():
        b, a = values.pop(), values.pop()
        values.append(APPLY[operators.pop()](a, b))

    for match in TOKEN.finditer(line.rstrip()):
        whole, num, den, fnum, fden, integer, sign = match.groups()
        at = match.end()
        if whole is not None:
            magnitude = abs(int(whole)) + fractions.Fraction(int(num), int(den))
            values.append(-magnitude if whole.startswith("-") else magnitude)
        elif fnum is not None:
            values.append(fractions.Fraction(int(fnum), int(fden)))
        elif integer is not None:
            values.append(fractions.Fraction(int(integer)))
        elif sign == "(":
            operators.append(sign)
        elif sign == ")":
            while operators[-1] != "(":
                reduce_top()
            operators.pop()
        else:
            while operators and operators[-1] != "(" and RANK[operators[-1]] >= RANK[sign]:
                reduce_top()
            operators.append(sign)
    if at != len(line.rstrip()):
        raise ValueError("not a problem")
    while operators:
        reduce_top()
    return values[0]


def decimal(value):
    """15 significant digits, as the calculator's decimal box shows them."""
    if value == 0:
        return "0"
    # Rounded once, from the exact fraction, halves away from zero.
    context = decimal_module.Context(prec=15, rounding=decimal_module.ROUND_HALF_UP)
    quotient = context.divide(decimal_module.Decimal(abs(value.numerator)),
                              decimal_module.Decimal(value.denominator))
    sign_bit, digit_tuple, exponent = quotient.as_tuple()
    e = len(digit_tuple) + exponent - 1
    digits = "".join(map(str, digit_tuple)).rstrip("0") or "0"
    sign = "-" if value < 0 else ""
    if e >= 15 or e < -15:
        rest = "." + digits[1:] if len(digits) > 1 else ""
        return f"{sign}{digits[0]}{rest}E{'-' if e < 0 else '+'}{abs(e):02d}"
    if e < 0:
        return f"{sign}0.{'0' * (-e - 1)}{digits}"
    if len(digits) <= e + 1:
        return sign + digits + "0" * (e + 1 - len(digits))
    return f"{sign}{digits[:e + 1]}.{digits[e + 1:]}"


def answer_line(value):
    line = f"{value.numerator}/{value.denominator}"
    whole, rest = divmod(abs(value.numerator), value.denominator)
    if whole:
        line += f" = {'-' if value < 0 else ''}{whole}"
        if rest:
            line += f" {rest}/{value.denominator}"
    return f"{line} = {decimal(value)}"


def main():
    out = []
    for line in sys.stdin:
        if not line.strip():
            continue
        try:
            out.append(answer_line(solve(line)))
        except (ValueError, ZeroDivisionError, IndexError, KeyError):
            print(f"fractions_baseline: {line.rstrip()}: no answer", file=sys.stderr)
    sys.stdout.write("\n".join(out) + "\n" if out else "")


if __name__ == "__main__":
    main()
