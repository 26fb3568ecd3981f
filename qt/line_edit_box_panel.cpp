#include "line_edit_box_panel.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLocale>

namespace ondavi {

LineEditBoxPanel::LineEditBoxPanel(const std::array<QLineEdit*, kBoxCount>& edits) : edits_(edits) {
  for (QLineEdit* edit : edits_) edit->installEventFilter(&focus_out_filter_);
}

// Only when the user moves on to another control. A context menu opening over the box, a message
// box opening over the window or the window losing the focus leaves the box as the user left it,
// so that typing, pasting or copying afterwards works on the same caret and selection.
bool LineEditBoxPanel::ShowBeginningOnFocusOut::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return false;
  if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->setCursorPosition(0);
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
