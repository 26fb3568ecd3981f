#pragma once

// The worked example, a subtraction of mixed numbers that renames both fractions and borrows,
// and its worked solution in the text form, as the command line writes it after the problem.
namespace ondavi::testing {

inline constexpr const char* kWorkedExampleProblem = "3 1/4 - 1 2/3";

inline constexpr const char* kWorkedExampleSolution =
    "The least common denominator of 4 and 3, by listing multiples, is 12.\n"
    "  Multiples of 4 until one is a multiple of 3: 4, 8, 12.\n"
    "Rename the fraction over 12: multiply both parts by 3: 1/4 = (1 x 3)/(4 x 3) = 3/12\n"
    "Rename the fraction over 12: multiply both parts by 4: 2/3 = (2 x 4)/(3 x 4) = 8/12\n"
    "Write the problem with the renamed fractions: 3 1/4 - 1 2/3 = 3 3/12 - 1 8/12\n"
    "3/12 is less than 8/12, so take 1 from the whole number as 12/12: 3 3/12 = 2 + 12/12 + "
    "3/12 = 2 15/12\n"
    "Work out the whole numbers and the fractions apart: 2 15/12 - 1 8/12 = (2 - 1) + (15/12 - "
    "8/12) = 1 + 7/12 = 1 7/12\n"
    "7/12 is already in lowest terms.\n"
    "Answer: 3 1/4 - 1 2/3 = 1 7/12\n";

}  // namespace ondavi::testing
