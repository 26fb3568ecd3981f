#include "calculator.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <vector>

#include "answer_text.h"
#include "form.h"
#include "label_room.h"
#include "message_box_prompt.h"
#include "stay_on_top.h"
#include "tooltip_place.h"

// A static library's resources are linked in only when asked for, from outside any namespace.
static void InitIconResources() {
  Q_INIT_RESOURCE(icons);
}

namespace ondavi {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PlaceAt(QWidget* widget, form::Place place) {
  using form::Pixels;
  widget->setGeometry(Pixels(place.left), Pixels(place.top), Pixels(place.width),
                      Pixels(place.height));
}

// The window was drawn in "MS Sans Serif"; where it is missing, a sans font of the same metrics
// stands in.
QFont SansFont(double points, int weight) {
  static const bool substituted = [] {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    return true;
  }();
  (void)substituted;
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(points);
  font.setWeight(static_cast<QFont::Weight>(weight));
  return font;
}

QFont FontOf(const form::Typeface& typeface) {
  return SansFont(typeface.points, typeface.weight);
}

// Frame1, which also draws the form's two rectangle outlines. They are decoration, drawn rather
// than made of widgets, so that screen readers do not announce them.
class OutlinedFrame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const form::Control& control : form::kControls) {
      if (control.kind != form::Kind::kShape) continue;
      const form::Place p = control.place;
      painter.drawRect(form::Pixels(p.left), form::Pixels(p.top), form::Pixels(p.width) - 1,
                       form::Pixels(p.height) - 1);
    }
  }
};

// The calculator is a top-level window: assistive technology sees a frame named by its caption
// rather than a bare filler.
QAccessibleInterface* CalculatorAccessible(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String("ondavi::Calculator") && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

Calculator::Calculator(Module1& module, MessagePrompt* prompt, QWidget* parent)
    : QWidget(parent),
      own_prompt_(prompt ? nullptr : std::make_unique<MessageBoxPrompt>(this)),
      prompt_(prompt ? *prompt : *own_prompt_) {
  static const bool accessible = [] {
    QAccessible::installFactory(CalculatorAccessible);
    return true;
  }();
  (void)accessible;
  setObjectName(QStringLiteral("Calculator"));
  setWindowTitle(Text(form::kCaption));
  InitIconResources();
  QIcon icon;  // the package's icon, built in so that it shows before and without installing
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
  }
  setWindowIcon(icon);
  // A fixed-size window: minimise and close, no maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(FontOf(form::kDefaultFont));
  setFixedSize(form::Pixels(form::kClientWidth), form::Pixels(form::kClientHeight));

  Frame1 = new OutlinedFrame(Text(form::kFrame1.caption), this);
  Frame1->setObjectName(Text(form::kFrame1.name));
  PlaceAt(Frame1, form::kFrame1.place);
  // The frame's caption sits on its top border, as the controls inside were placed for; the
  // classic Windows style draws it so (and applies to the frame alone, not its children).
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
    classic->setParent(Frame1);
    Frame1->setStyle(classic);
  }

  // The boxes, the buttons and the labels; Frame1 draws the outlines beneath them. Focus follows
  // the form's tab order.
  std::vector<QWidget*> tab_order;
  for (form::Kind kind : {form::Kind::kTextBox, form::Kind::kCommandButton, form::Kind::kLabel}) {
    for (const form::Control& control : form::kControls) {
      if (control.kind == kind) AddControl(control);
    }
  }
  for (const form::Control& control : form::kControls) {
    if (control.TakesFocus()) tab_order.push_back(Frame1->findChild<QWidget*>(Text(control.name)));
  }
  for (std::size_t i = 1; i < tab_order.size(); ++i) setTabOrder(tab_order[i - 1], tab_order[i]);

  panel_ = std::make_unique<LineEditBoxPanel>(boxes_);
  actions_ = std::make_unique<form::FormActions>(module, *panel_, prompt_);
  explanation_ = new ExplanationWindow(this);
  actions_->SetExplanationView(explanation_);
  for (const form::Control& control : form::kControls) {
    if (control.kind != form::Kind::kCommandButton) continue;
    auto* button = Frame1->findChild<QPushButton*>(Text(control.name));
    connect(button, &QPushButton::clicked, this, [this, action = control.action] {
      actions_->Click(action);
      DescribeButtons();
      // Explain brings its window forward to be read; a new calculation only updates it.
      if (action == form::Action::kExplain) explanation_->activateWindow();
    });
    button->installEventFilter(this);
  }
  boxes_[0]->setFocus();
  KeepBoxesVisible();

  Form_Load();
}

Calculator::~Calculator() = default;

QWidget* Calculator::AddControl(const form::Control& control) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case form::Kind::kTextBox: {
      auto* edit = new QLineEdit(Frame1);
      // Boxes are drawn in Fusion whatever the desktop's style: styles with wide padding would
      // clip the digits of a box only 33 pixels wide.
      if (!box_style_) {
        box_style_ = QStyleFactory::create(QStringLiteral("Fusion"));
        if (box_style_) box_style_->setParent(this);
      }
      if (box_style_) edit->setStyle(box_style_);
      edit->setMaxLength(form::kMaxBoxLength);
      edit->setReadOnly(control.answer);  // answers can be selected and copied, not typed
      edit->installEventFilter(this);     // whole problems pasted, answer lines copied, tooltips
      boxes_[static_cast<std::size_t>(*control.box) - 1] = edit;
      widget = edit;
      break;
    }
    case form::Kind::kCommandButton: {
      auto* button = new QPushButton(Text(form::Tr(control.caption)), Frame1);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
    case form::Kind::kLabel: {
      auto* label = new QLabel(Text(form::Tr(control.caption)), Frame1);
      label->setAlignment(
          (control.alignment == form::Alignment::kCentre ? Qt::AlignHCenter : Qt::AlignLeft) |
          Qt::AlignTop);
      widget = label;
      break;
    }
    case form::Kind::kShape:  // drawn by Frame1
    case form::Kind::kFrame:  // the container itself
      return nullptr;
  }
  widget->setObjectName(Text(control.name));
  if (!control.accessible_name.empty()) {
    widget->setAccessibleName(Text(form::Tr(control.accessible_name)));
  }
  if (control.font == form::FontKind::kBold) widget->setFont(FontOf(form::kBoldFont));
  if (control.font == form::FontKind::kLarge) widget->setFont(FontOf(form::kLargeFont));
  PlaceAt(widget, control.place);
  // A caption longer in the user's language than in English grows into the free space beside it.
  if (control.kind == form::Kind::kLabel && widget->sizeHint().width() > widget->width()) {
    const int room = form::Pixels(form::LabelRoom(control));
    widget->resize(std::min(widget->sizeHint().width(), room), widget->height());
  }
  return widget;
}

// Shows an answer box's tooltip where it hides no other box.
void Calculator::ShowTooltip(QLineEdit* box, const QPoint& cursor) {
  QToolTip::showText(cursor, box->toolTip(), box, box->rect());
  QWidget* tip = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->inherits("QTipLabel") && widget->isVisible()) tip = widget;
  }
  if (!tip) return;
  const auto global = [](const QWidget* widget) {
    const QPoint corner = widget->mapToGlobal(QPoint(0, 0));
    return form::Rect{corner.x(), corner.y(), widget->width(), widget->height()};
  };
  std::vector<form::Rect> all;
  for (const QLineEdit* other : boxes_) all.push_back(global(other));
  const QRect screen = box->screen()->availableGeometry();
  const form::Rect place = form::TooltipPlace(
      global(box), all, tip->frameGeometry().width(), tip->frameGeometry().height(),
      {screen.x(), screen.y(), screen.width(), screen.height()});
  tip->move(place.left, place.top);
}

// A whole problem pasted or typed as one line fills the operand boxes and presses its operator.
bool Calculator::Solve(const QString& text) {
  if (!actions_->Solve(text.toStdString())) return false;
  DescribeButtons();
  return true;
}

// Copy in an answer box: the selection, or with nothing selected the whole answer line.
void Calculator::CopyAnswer(QLineEdit* box) {
  if (box->hasSelectedText()) {
    box->copy();
    return;
  }
  const std::string line = form::AnswerLine(*panel_);
  if (!line.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(line));
}

// Whether an action of a box's standard context menu is the one for this key: its text ends with
// the key's shortcut, whatever the language.
static bool IsActionFor(const QAction* action, QKeySequence::StandardKey key) {
  return action->text().endsWith(QLatin1Char('\t') +
                                 QKeySequence(key).toString(QKeySequence::NativeText));
}

// The box's own context menu, with Paste taking whole problems and Copy whole answers.
void Calculator::ShowContextMenu(QLineEdit* box, const QPoint& where) {
  QMenu* menu = box->createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    if (IsActionFor(action, QKeySequence::Paste))
      action->setObjectName(QStringLiteral("edit-paste"));
    if (IsActionFor(action, QKeySequence::Copy)) action->setObjectName(QStringLiteral("edit-copy"));
    if (action->objectName() == QLatin1String("edit-paste") && !box->isReadOnly()) {
      action->disconnect();
      connect(action, &QAction::triggered, this, [this, box] {
        if (!Solve(QGuiApplication::clipboard()->text())) box->paste();
      });
    }
    if (action->objectName() == QLatin1String("edit-copy") && box->isReadOnly()) {
      action->disconnect();
      action->setEnabled(box->hasSelectedText() || !box->text().isEmpty());
      connect(action, &QAction::triggered, this, [this, box] { CopyAnswer(box); });
    }
  }
  menu->exec(where);
  delete menu;
}

// Paste (keys, the context menu, the middle button's selection) and Enter in an operand box take
// a whole problem; anything else is pasted and typed as usual, and Enter on text that is no
// problem says why. Copy in an answer box with nothing selected copies the answer line.
bool Calculator::HandleBoxEvent(QLineEdit* box, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (box->isReadOnly()) {
        if (!key->matches(QKeySequence::Copy)) return false;
        CopyAnswer(box);
        return true;
      }
      if (key->matches(QKeySequence::Paste)) return Solve(QGuiApplication::clipboard()->text());
      if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
      // Enter works a whole problem, or says in the message box why the text is none.
      if (actions_->Enter(box->text().toStdString()) != form::FormActions::Entered::kSolved) {
        return false;
      }
      DescribeButtons();
      return true;
    }
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      return !box->isReadOnly() && mouse->button() == Qt::MiddleButton &&
             QGuiApplication::clipboard()->supportsSelection() &&
             Solve(QGuiApplication::clipboard()->text(QClipboard::Selection));
    }
    case QEvent::ContextMenu:
      ShowContextMenu(box, static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    default:
      return false;
  }
}

// Enter, on the main keyboard or the keypad, clicks the focused button as Space does. An answer
// box's tooltip is placed by ShowTooltip.
bool Calculator::eventFilter(QObject* watched, QEvent* event) {
  if (auto* box = qobject_cast<QLineEdit*>(watched); box && HandleBoxEvent(box, event)) {
    return true;
  }
  if (event->type() == QEvent::ToolTip) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && box->isReadOnly()) {
      if (box->toolTip().isEmpty()) return false;
      ShowTooltip(box, static_cast<QHelpEvent*>(event)->globalPos());
      return true;
    }
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      if (auto* button = qobject_cast<QPushButton*>(watched)) {
        button->click();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Calculator::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) KeepBoxesVisible();
  QWidget::changeEvent(event);
}

// A box's border is drawn a shade darker than the window colour, which vanishes into a dark
// window. Under a dark palette (text lighter than the window) the boxes take a lighter window
// colour for their border to be drawn from; a light palette is left as it is.
void Calculator::KeepBoxesVisible() {
  const QPalette& window = palette();
  const bool dark =
      window.color(QPalette::WindowText).lightness() > window.color(QPalette::Window).lightness();
  for (QLineEdit* box : boxes_) {
    if (!box) continue;
    QPalette own = window;
    if (dark) own.setColor(QPalette::Window, window.color(QPalette::WindowText).darker(130));
    box->setPalette(own);
  }
}

// The focus stays on the pressed button, so a screen reader hears the answer through it; the
// other buttons describe nothing, so that tabbing past them reads out no answer of the past.
void Calculator::DescribeButtons() {
  for (const form::Control& control : form::kControls) {
    if (control.kind != form::Kind::kCommandButton) continue;
    auto* button = Frame1->findChild<QPushButton*>(Text(control.name));
    button->setAccessibleDescription(QString::fromStdString(actions_->Description(control.action)));
  }
}

void Calculator::Form_Load() {
  StayOnTop(*this);
}

}  // namespace ondavi
