#pragma once

// Clicks in a row on 1/2 and 1/3 and, after each, the one button that describes the answer to
// screen readers: the operator just pressed, and none after "clear" or "Show Work". Both
// windows' tests walk it over their six buttons.
namespace ondavi::testing {

struct DescriptionStep {
  const char* click;
  const char* describer;  // "" for none
};

inline constexpr DescriptionStep kDescriptionSteps[] = {{"Add", "Add"},   {"Multiply", "Multiply"},
                                                        {"cls", ""},      {"Divide", "Divide"},
                                                        {"ShowWork", ""}, {"Subtract", "Subtract"}};

inline constexpr const char* kButtonNames[] = {"Add",    "Subtract", "Multiply",
                                               "Divide", "cls",      "ShowWork"};

}  // namespace ondavi::testing
