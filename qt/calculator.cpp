#include "calculator.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <vector>

#include "form.h"
#include "message_box_prompt.h"
#include "stay_on_top.h"

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

QFont FontOf(const form::FontSpec& spec) {
  return SansFont(spec.points, spec.weight);
}

}  // namespace

Calculator::Calculator(Module1& module, MessagePrompt* prompt, QWidget* parent)
    : QWidget(parent),
      own_prompt_(prompt ? nullptr : std::make_unique<MessageBoxPrompt>(this)),
      prompt_(prompt ? *prompt : *own_prompt_) {
  setObjectName(QStringLiteral("Calculator"));
  setWindowTitle(Text(form::kCaption));
  setFont(SansFont(8.25, 400));
  setFixedSize(form::Pixels(form::kClientWidth), form::Pixels(form::kClientHeight));

  Frame1 = new QGroupBox(Text(form::kFrame1.caption), this);
  Frame1->setObjectName(Text(form::kFrame1.name));
  PlaceAt(Frame1, form::kFrame1.place);
  // The frame's caption sits on its top border, as the controls inside were placed for; the
  // classic Windows style draws it so (and applies to the frame alone, not its children).
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
    classic->setParent(Frame1);
    Frame1->setStyle(classic);
  }

  // The rectangles first, so that every other control stands on top of them; then the boxes,
  // the buttons and the labels. Focus follows the form's tab order.
  std::vector<QWidget*> tab_order;
  for (form::Kind kind :
       {form::Kind::kShape, form::Kind::kTextBox, form::Kind::kCommandButton, form::Kind::kLabel}) {
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
  for (const form::Control& control : form::kControls) {
    if (control.kind != form::Kind::kCommandButton) continue;
    auto* button = Frame1->findChild<QPushButton*>(Text(control.name));
    connect(button, &QPushButton::clicked, this,
            [this, action = control.action] { actions_->Click(action); });
  }
  boxes_[0]->setFocus();

  Form_Load();
}

Calculator::~Calculator() = default;

QWidget* Calculator::AddControl(const form::Control& control) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case form::Kind::kShape: {
      auto* frame = new QFrame(Frame1);
      frame->setFrameStyle(QFrame::Box | QFrame::Plain);
      frame->setLineWidth(1);
      frame->setAttribute(Qt::WA_TransparentForMouseEvents);
      widget = frame;
      break;
    }
    case form::Kind::kTextBox: {
      auto* edit = new QLineEdit(Frame1);
      edit->setMaxLength(form::kMaxBoxLength);
      edit->setReadOnly(control.answer);  // answers can be selected and copied, not typed
      boxes_[static_cast<std::size_t>(*control.box) - 1] = edit;
      widget = edit;
      break;
    }
    case form::Kind::kCommandButton: {
      auto* button = new QPushButton(Text(control.caption), Frame1);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
    case form::Kind::kLabel: {
      auto* label = new QLabel(Text(control.caption), Frame1);
      label->setAlignment(
          (control.alignment == form::Alignment::kCentre ? Qt::AlignHCenter : Qt::AlignLeft) |
          Qt::AlignTop);
      widget = label;
      break;
    }
    case form::Kind::kFrame:
      return nullptr;  // Frame1 is the container itself
  }
  widget->setObjectName(Text(control.name));
  if (!control.accessible_name.empty()) widget->setAccessibleName(Text(control.accessible_name));
  if (control.font == form::FontKind::kBold) widget->setFont(FontOf(form::kBoldFont));
  if (control.font == form::FontKind::kLarge) widget->setFont(FontOf(form::kLargeFont));
  PlaceAt(widget, control.place);
  return widget;
}

void Calculator::Form_Load() {
  StayOnTop(*this);
}

}  // namespace ondavi
