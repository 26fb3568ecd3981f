#include "message_box_prompt.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpacerItem>

#include "form.h"
#include "translation.h"

#include "message_text.h"

namespace ondavi {

QString DisplayText(const std::string& prompt) {
  return QString::fromStdString(form::WithLineEnds(prompt, "\n"));
}

namespace {

class CopyShortcut : public QObject {
 public:
  CopyShortcut(const QLabel* label, const QString& text) : label_(label), text_(text) {}

  bool eventFilter(QObject*, QEvent* event) override {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!key || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) return false;
    if (event->type() == QEvent::ShortcutOverride) {  // ask for the key press itself
      event->accept();
      return true;
    }
    QString copied = label_ && label_->hasSelectedText() ? label_->selectedText() : text_;
    copied.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    copied.replace(QChar::LineSeparator, QLatin1Char('\n'));
#ifdef Q_OS_WIN
    copied.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
#endif
    QGuiApplication::clipboard()->setText(copied);
    return true;
  }

 private:
  const QLabel* label_;
  QString text_;
};

}  // namespace

void MessageBoxPrompt::Show(const std::string& prompt) {
  const QString text = DisplayText(prompt);
  const QString title = QString::fromUtf8(form::kApplicationTitle.data(),
                                          static_cast<qsizetype>(form::kApplicationTitle.size()));
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
  // The button speaks the user's language, as the rest of the window does, not Qt's own English.
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
    const std::string_view word = form::Tr("OK");
    ok->setText(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
  }
  box.setTextFormat(Qt::PlainText);
  // The steps can be selected and copied, for a student's homework.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (label && text.contains(QLatin1Char('\n'))) {
    // A transcript lines its numbers up in columns, which needs a fixed-pitch font.
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  }
  // A long transcript (a problem of many steps) scrolls inside a box that fits on the screen, so
  // that OK stays within reach.
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen();
  const int room = screen ? screen->availableGeometry().height() * 2 / 3 : 480;
  if (label && grid && label->sizeHint().height() > room) {
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setBackgroundRole(QPalette::Window);
    delete grid->replaceWidget(label, scroll);
    label->setWordWrap(false);
    label->adjustSize();
    scroll->setWidget(label);
    scroll->setFixedSize(label->width() + scroll->verticalScrollBar()->sizeHint().width(), room);
  }
  // Ctrl+C copies the selection, or the whole text when nothing is selected, as Windows' message
  // boxes do; line ends are the platform's.
  CopyShortcut copy(label, text);
  box.installEventFilter(&copy);
  for (QWidget* child : box.findChildren<QWidget*>()) child->installEventFilter(&copy);
  // Never narrower than its title with room for the title bar's buttons: an empty transcript
  // would otherwise make a box too narrow to read "Ondavi".
  if (grid) {
    QFont title_font = box.font();
    title_font.setBold(true);
    const int width = 2 * QFontMetrics(title_font).horizontalAdvance(title) + 150;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

}  // namespace ondavi
