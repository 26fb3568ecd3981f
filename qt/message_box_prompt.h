#pragma once

#include <QString>
#include <string>

#include "message_prompt.h"

class QWidget;

namespace ondavi {

// Shows each prompt in a modal message box titled "Ondavi" with one OK button and no icon,
// parented to the window so that it stays above it too.
class MessageBoxPrompt : public MessagePrompt {
 public:
  explicit MessageBoxPrompt(QWidget* parent) : parent_(parent) {}
  void Show(const std::string& prompt) override;

 private:
  QWidget* parent_;
};

// The prompt as a message box shows it: CR LF and a lone CR each break the line.
QString DisplayText(const std::string& prompt);

}  // namespace ondavi
