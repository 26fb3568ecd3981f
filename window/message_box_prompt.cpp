#include "message_box_prompt.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>

namespace ondavi {

QString DisplayText(const std::string& prompt) {
  QString text = QString::fromStdString(prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
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
