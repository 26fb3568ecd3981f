#include "line_edit_box_panel.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLocale>
#include <QStyle>

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
  if (edit->isReadOnly()) edit->setToolTip(IsCutOff(*edit) ? value : QString());
}

// Whether the box is too narrow to show its whole text: the frame, the line edit's own margin
// of 2 pixels on each side and the caret take their share of its width.
bool LineEditBoxPanel::IsCutOff(const QLineEdit& edit) {
  const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
  const QMargins margins = edit.textMargins();
  const int room = edit.width() - 2 * frame - 2 * 2 - margins.left() - margins.right() - 1;
  return edit.fontMetrics().horizontalAdvance(edit.text()) > room;
}

char LineEditBoxPanel::DecimalSeparator() const {
  const QString point = QLocale().decimalPoint();
  return point == QStringLiteral(",") ? ',' : '.';
}

}  // namespace ondavi
