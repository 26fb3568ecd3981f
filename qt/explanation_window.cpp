#include "explanation_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "explanation_document.h"
#include "explanation_text.h"
#include "form.h"
#include "stay_on_top.h"
#include "translation.h"

namespace ondavi {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A window of its own to assistive technology: a frame named by its title.
QAccessibleInterface* AccessibleFor(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String("ondavi::ExplanationWindow") && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

ExplanationWindow::ExplanationWindow(QWidget* calculator)
    : QWidget(calculator, Qt::Window),
      subtitle_(new QLabel),
      text_(new ExplanationText),
      copy_(new QPushButton),
      print_(new QPushButton) {
  static const bool accessible = [] {
    QAccessible::installFactory(AccessibleFor);
    return true;
  }();
  (void)accessible;
  setObjectName(QStringLiteral("Explanation"));
  setWindowTitle(Text(form::kApplicationTitle));
  subtitle_->setObjectName(QStringLiteral("ExplanationSubtitle"));
  QFont heading = subtitle_->font();
  heading.setBold(true);
  heading.setPointSizeF(heading.pointSizeF() * 1.2);
  subtitle_->setFont(heading);
  text_->setObjectName(QStringLiteral("ExplanationText"));
  copy_->setObjectName(QStringLiteral("ExplanationCopy"));
  print_->setObjectName(QStringLiteral("ExplanationPrint"));
  for (QPushButton* button : {copy_, print_}) button->setAutoDefault(false);
  connect(copy_, &QPushButton::clicked, text_, &ExplanationText::CopyAll);
  connect(print_, &QPushButton::clicked, this, &ExplanationWindow::PrintWithDialog);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(copy_);
  buttons->addWidget(print_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(subtitle_);
  layout->addWidget(text_, 1);
  layout->addLayout(buttons);
  setFocusProxy(text_);
  resize(640, 420);
  StayOnTop(*this);
  SpeakTheLanguage();
}

void ExplanationWindow::SpeakTheLanguage() {
  // TRANSLATORS: The heading of the window that shows a calculation worked out step by step.
  subtitle_->setText(Text(form::Tr("Worked solution")));
  text_->setAccessibleName(subtitle_->text());
  // TRANSLATORS: A button that copies the worked solution as text.
  copy_->setText(Text(form::Tr("Copy")));
  // TRANSLATORS: A button that opens the print dialog for the worked solution.
  print_->setText(Text(form::Tr("Print...")));
}

void ExplanationWindow::Show(const form::Explanation& explanation) {
  SpeakTheLanguage();
  WriteExplanation(*text_->document(), explanation);
  text_->moveCursor(QTextCursor::Start);  // read from the top, with no caret left at the end
  if (!isVisible()) {
    if (!placed_) PlaceBesideCalculator();
    show();
  }
  raise();
}

// Beside the calculator where the screen has room (right, below, left or above), so that the
// boxes stay in sight beside the solution; where none has, below it and shorter, down to a
// height that still shows a few steps.
void ExplanationWindow::PlaceBesideCalculator() {
  placed_ = true;
  const QWidget* calculator = parentWidget();
  const QScreen* screen = calculator->screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  const QRect beside = calculator->frameGeometry();
  // The title bar and borders the window manager adds, as it added them to the calculator.
  const QSize frame = beside.size() - calculator->size();
  const QSize size = this->size() + frame;
  constexpr int kGap = 8;
  const QPoint candidates[] = {
      {beside.right() + kGap, beside.top()},
      {beside.left(), beside.bottom() + kGap},
      {beside.left() - kGap - size.width(), beside.top()},
      {beside.left(), beside.top() - kGap - size.height()},
  };
  for (const QPoint& corner : candidates) {
    if (room.contains(QRect(corner, size))) {
      move(corner);
      return;
    }
  }
  const QPoint below(
      std::clamp(beside.left(), room.left(), std::max(room.left(), room.right() - size.width())),
      beside.bottom() + kGap);
  constexpr int kShortest = 240;
  const int height = room.bottom() - below.y() - frame.height();
  if (height >= kShortest) resize(width(), std::min(this->height(), height));
  move(below.x(),
       std::min(below.y(), std::max(room.top(), room.bottom() - this->height() - frame.height())));
}

void ExplanationWindow::Print(QPrinter& printer) const {
  text_->document()->print(&printer);
}

void ExplanationWindow::PrintWithDialog() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) Print(printer);
}

void ExplanationWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  if (event->matches(QKeySequence::Print)) {
    PrintWithDialog();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace ondavi
