#include "calculator.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>

#include "calculate.h"
#include "message_box_prompt.h"
#include "stay_on_top.h"

namespace ondavi {
namespace {

constexpr int Px(int twips) {
  return twips / Calculator::kTwipsPerPixel;
}

// Geometry in twips, as the window was drawn.
struct Place {
  int left, top, width, height;
};

void PlaceAt(QWidget* widget, Place place) {
  widget->setGeometry(Px(place.left), Px(place.top), Px(place.width), Px(place.height));
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

const QFont& BoldFont() {
  static const QFont font = SansFont(8.25, 700);
  return font;
}

struct BoxSpec {
  const char* name;
  Place place;
  const char* role;  // accessible name
};

constexpr BoxSpec kBoxes[kBoxCount] = {
    {"Text1", {360, 600, 495, 375}, "first operand, whole number"},
    {"Text2", {840, 360, 495, 375}, "first operand, numerator"},
    {"Text3", {840, 720, 495, 375}, "first operand, denominator"},
    {"Text4", {1800, 600, 495, 375}, "second operand, whole number"},
    {"Text5", {2280, 360, 495, 375}, "second operand, numerator"},
    {"Text6", {2280, 720, 495, 375}, "second operand, denominator"},
    {"Text7", {3360, 360, 495, 375}, "answer, numerator"},
    {"Text8", {3360, 720, 495, 375}, "answer, denominator"},
    {"Text9", {4080, 600, 495, 375}, "mixed number, whole part"},
    {"Text10", {4560, 360, 495, 375}, "mixed number, numerator"},
    {"Text11", {4560, 720, 495, 375}, "mixed number, denominator"},
    {"Text12", {5280, 600, 855, 375}, "answer, decimal"},
};
constexpr int kFirstAnswerBox = 6;  // Text7

}  // namespace

Calculator::Calculator(Module1& module, MessagePrompt* prompt, QWidget* parent)
    : QWidget(parent),
      module_(module),
      own_prompt_(prompt ? nullptr : std::make_unique<MessageBoxPrompt>(this)),
      prompt_(prompt ? *prompt : *own_prompt_) {
  setObjectName(QStringLiteral("Calculator"));
  setWindowTitle(QStringLiteral("Free Ondavi - Pellworth"));
  setFont(SansFont(8.25, 400));
  setFixedSize(Px(6735), Px(2250));

  Frame1 = new QGroupBox(QStringLiteral("Simple Ondavi"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  PlaceAt(Frame1, {120, 120, 6495, 1935});
  // The frame's caption sits on its top border, as the controls inside were placed for; the
  // classic Windows style draws it so (and applies to the frame alone, not its children).
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
    classic->setParent(Frame1);
    Frame1->setStyle(classic);
  }

  // The two rectangles are drawn first so that every other control stands on top of them.
  const auto shape = [this](const char* name, Place place) {
    auto* frame = new QFrame(Frame1);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    PlaceAt(frame, place);
  };
  shape("Shape2", {240, 240, 2655, 1575});
  shape("Shape1", {3240, 240, 3015, 1575});

  for (int i = 0; i < kBoxCount; ++i) {
    auto* edit = new QLineEdit(Frame1);
    edit->setObjectName(QLatin1String(kBoxes[i].name));
    edit->setAccessibleName(QLatin1String(kBoxes[i].role));
    edit->setFont(BoldFont());
    edit->setReadOnly(i >= kFirstAnswerBox);  // answers can be selected and copied, not typed
    PlaceAt(edit, kBoxes[i].place);
    boxes_[static_cast<std::size_t>(i)] = edit;
  }
  panel_ = std::make_unique<LineEditBoxPanel>(boxes_);

  const auto button = [this](const char* name, const char* caption, const char* role, Place place,
                             bool bold, void (Calculator::*handler)()) {
    auto* b = new QPushButton(QLatin1String(caption), Frame1);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(QLatin1String(role));
    if (bold) b->setFont(BoldFont());
    b->setAutoDefault(false);
    PlaceAt(b, place);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  Add = button("Add", "+", "add", {1440, 360, 255, 255}, true, &Calculator::Add_Click);
  Subtract =
      button("Subtract", "-", "subtract", {1440, 600, 255, 255}, true, &Calculator::Subtract_Click);
  Multiply =
      button("Multiply", "x", "multiply", {1440, 840, 255, 255}, true, &Calculator::Multiply_Click);
  Divide = button("Divide", "/", "divide", {1440, 1080, 255, 255}, true, &Calculator::Divide_Click);
  cls = button("cls", "clear", "clear all boxes", {1320, 1440, 495, 315}, false,
               &Calculator::cls_Click);
  ShowWork = button("ShowWork", "Show Work", "show the work of the last calculation",
                    {4200, 1440, 1215, 315}, false, &Calculator::ShowWork_Click);

  const auto label = [this](const char* name, const char* caption, Place place, bool centred) {
    auto* l = new QLabel(QLatin1String(caption), Frame1);
    l->setObjectName(QLatin1String(name));
    l->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    PlaceAt(l, place);
    return l;
  };
  label("Label1", "=", {2880, 600, 375, 375}, true)->setFont(SansFont(13.5, 400));
  label("Label2", "Mixed Number", {4080, 1200, 1095, 255}, false);
  label("Label3", "Decimal", {5400, 1200, 615, 255}, false);
  label("Label4", "Answer", {3360, 1200, 615, 255}, false);
  label("Label5", "Fraction1", {480, 1200, 735, 255}, true);
  label("Label6", "Fraction2", {1920, 1200, 735, 255}, true);

  // Focus order: the eight operand and answer-fraction boxes, the operators, the mixed number
  // and decimal boxes, then "clear" and "Show Work".
  const std::array<QWidget*, 18> tab_order = {
      boxes_[0], boxes_[1], boxes_[2],  boxes_[3],  boxes_[4], boxes_[5],
      boxes_[6], boxes_[7], Add,        Subtract,   Multiply,  Divide,
      boxes_[8], boxes_[9], boxes_[10], boxes_[11], cls,       ShowWork};
  for (std::size_t i = 1; i < tab_order.size(); ++i) {
    setTabOrder(tab_order[i - 1], tab_order[i]);
  }
  boxes_[0]->setFocus();

  Form_Load();
}

Calculator::~Calculator() = default;

void Calculator::Form_Load() {
  StayOnTop(*this);
}

void Calculator::Operate(const char* operation) {
  module_.Operation = operation;
  Calculate(module_, *panel_, prompt_);
}

void Calculator::Add_Click() {
  Operate("+");
}
void Calculator::Subtract_Click() {
  Operate("-");
}
void Calculator::Multiply_Click() {
  Operate("x");
}
void Calculator::Divide_Click() {
  Operate("/");
}

void Calculator::ShowWork_Click() {
  prompt_.Show(module_.Work);
}

void Calculator::cls_Click() {
  for (int i = 1; i <= kBoxCount; ++i) panel_->SetText(static_cast<Box>(i), "");
}

}  // namespace ondavi
