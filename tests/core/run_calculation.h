#pragma once

#include <array>
#include <string>
#include <vector>

#include "box_panel.h"
#include "calculate.h"
#include "module1.h"
#include "recording_prompt.h"

namespace ondavi::testing {

// The six operand texts, Text1 to Text6.
using Operands = std::array<std::string, 6>;

// A module, a box panel and a prompt recorder: everything one calculation touches.
struct Calculator {
  Module1 module;
  InMemoryBoxPanel boxes;
  RecordingPrompt prompt;

  void Enter(const Operands& operands) {
    for (int i = 0; i < 6; ++i) boxes.SetText(static_cast<Box>(i + 1), operands[i]);
  }
  void Press(const std::string& operation) {
    module.Operation = operation;
    Calculate(module, boxes, prompt);
  }
  // Enters the operands, presses the operator and returns the twelve box texts.
  const std::array<std::string, kBoxCount>& Run(const Operands& operands,
                                                const std::string& operation) {
    Enter(operands);
    Press(operation);
    return boxes.texts();
  }
  std::string Text(Box box) const { return boxes.Text(box); }
};

}  // namespace ondavi::testing
