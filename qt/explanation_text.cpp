#include "explanation_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

#include "explanation_document.h"
#include "stacked_text_object.h"

namespace ondavi {
namespace {

constexpr int kZoomStep = 2;  // points a key press zooms by
constexpr qreal kSmallestPoints = 6;

// The view as a read-only, multi-line text whose characters are the text form's, so that a
// stacked fraction reads as "13/4" rather than as an object.
class ExplanationAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ExplanationAccessible(ExplanationText* view)
      : QAccessibleWidget(view, QAccessible::EditableText), view_(view) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return view_->WholeText();
    return QAccessibleWidget::text(t);
  }

  QString text(int start, int end) const override {
    const QString all = view_->WholeText();
    if (end < 0 || end > all.size()) end = static_cast<int>(all.size());
    return start < 0 || start >= end ? QString() : all.mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(view_->WholeText().size()); }
  // The caret and the selection are the view's, counted in the text form's characters, so that
  // a screen reader follows the caret line by line.
  void selection(int, int* start, int* end) const override {
    const QTextCursor cursor = view_->textCursor();
    *start = cursor.hasSelection() ? view_->TextOffset(cursor.selectionStart()) : 0;
    *end = cursor.hasSelection() ? view_->TextOffset(cursor.selectionEnd()) : 0;
  }
  int selectionCount() const override { return view_->textCursor().hasSelection() ? 1 : 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return view_->TextOffset(view_->textCursor().position()); }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  ExplanationText* view_;
};

QAccessibleInterface* AccessibleFor(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String("ondavi::ExplanationText")) {
    return new ExplanationAccessible(static_cast<ExplanationText*>(object));
  }
  return nullptr;
}

}  // namespace

ExplanationText::ExplanationText(QWidget* parent) : QTextEdit(parent) {
  static const bool accessible = [] {
    QAccessible::installFactory(AccessibleFor);
    return true;
  }();
  (void)accessible;
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  StackedTextObject::RegisterWith(*document());
  connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
    QAccessibleTextCursorEvent moved(this, TextOffset(textCursor().position()));
    QAccessible::updateAccessibility(&moved);
  });
}

int ExplanationText::TextOffset(int position) const {
  return ondavi::TextOffset(*document(), position);
}

QString ExplanationText::WholeText() const {
  return PlainText(*document(), QTextCursor()) + QLatin1Char('\n');
}

void ExplanationText::CopyAll() const {
  QGuiApplication::clipboard()->setText(WholeText());
}

QMimeData* ExplanationText::createMimeDataFromSelection() const {
  auto* mime = new QMimeData;
  mime->setText(PlainText(*document(), textCursor()));
  return mime;
}

void ExplanationText::keyPressEvent(QKeyEvent* event) {
  const bool control = event->modifiers() & Qt::ControlModifier;
  if (event->matches(QKeySequence::ZoomIn) ||
      (control && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal))) {
    zoomIn(kZoomStep);
    return;
  }
  if (event->matches(QKeySequence::ZoomOut) || (control && event->key() == Qt::Key_Minus)) {
    if (font().pointSizeF() - kZoomStep >= kSmallestPoints) zoomOut(kZoomStep);
    return;
  }
  if (event->matches(QKeySequence::Copy) && !textCursor().hasSelection()) {
    CopyAll();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

}  // namespace ondavi
