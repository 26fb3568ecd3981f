#include "line_edit_box_panel.h"

#include <QLocale>

namespace ondavi {

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
