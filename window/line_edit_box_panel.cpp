#include "line_edit_box_panel.h"

#include <QEvent>
#include <QLocale>

namespace ondavi {

LineEditBoxPanel::LineEditBoxPanel(const std::array<QLineEdit*, kBoxCount>& edits) : edits_(edits) {
  for (QLineEdit* edit : edits_) edit->installEventFilter(&focus_out_filter_);
}

bool LineEditBoxPanel::ShowBeginningOnFocusOut::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->setCursorPosition(0);
  }
  return false;
}

std::string LineEditBoxPanel::Text(Box box) const {
  return Edit(box)->text().toStdString();
}

void LineEditBoxPanel::SetText(Box box, const std::string& text) {
  QLineEdit* edit = Edit(box);
  const QString value = QString::fromStdString(text);
  edit->setText(value);
  edit->setCursorPosition(0);
  if (edit->isReadOnly()) edit->setToolTip(value);
}

char LineEditBoxPanel::DecimalSeparator() const {
  const QString point = QLocale().decimalPoint();
  return point == QStringLiteral(",") ? ',' : '.';
}

}  // namespace ondavi
