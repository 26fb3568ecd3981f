#include "message_box_prompt.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>

#include "message_text.h"

namespace ondavi {

QString DisplayText(const std::string& prompt) {
  return QString::fromStdString(form::WithLineEnds(prompt, "\n"));
}

void MessageBoxPrompt::Show(const std::string& prompt) {
  const QString text = DisplayText(prompt);
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ondavi"), text, QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  if (text.contains(QLatin1Char('\n'))) {
    // A transcript lines its numbers up in columns, which needs a fixed-pitch font.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
      label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    }
  }
  box.exec();
}

}  // namespace ondavi
