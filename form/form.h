#pragma once

// The calculator's form as data, free of any toolkit: the window's caption and size, and every
// control's name, kind, caption, place, font, alignment, tab index, accessible name and role in
// the calculation. Each window renders this table; none repeats it. Captions and accessible names
// are English; windows show them through Tr, in the user's language.
//
// Places are in twips (1/1440 inch; 15 twips make one pixel at 96 dots per inch), measured from
// the client area of the control's container: the window's for Frame1, Frame1's for every other
// control, whose top-left corner is the frame's own.
#include <array>
#include <optional>
#include <string_view>

#include "box_panel.h"
#include "translation.h"

namespace ondavi::form {

inline constexpr std::string_view kCaption = "Free Ondavi - Pellworth";
inline constexpr std::string_view kApplicationTitle = "Ondavi";  // the title of message boxes
inline constexpr int kClientWidth = 6735;                        // twips
inline constexpr int kClientHeight = 2250;
inline constexpr int kTwipsPerPixelAt96Dpi = 15;
inline constexpr int kMaxBoxLength = 32767;  // characters a box takes

// Twips to pixels at a given resolution, rounded down as the window was drawn at 96 dpi.
constexpr int Pixels(int twips, int dpi = 96) {
  return twips * dpi / (kTwipsPerPixelAt96Dpi * 96);
}

enum class Kind { kFrame, kTextBox, kCommandButton, kLabel, kShape };
enum class FontKind { kDefault, kBold, kLarge };
enum class Alignment { kLeft, kCentre };
// What a command button does; the handlers are FormActions'.
enum class Action { kNone, kAdd, kSubtract, kMultiply, kDivide, kShowWork, kClear, kExplain };

struct Place {
  int left, top, width, height;
};

// Where a control stands when the form is arranged in rows for a screen too narrow for it (the
// web page on a phone): its row, its group within the row, and its part in the group. A group
// is a heading above one control, or a whole number beside a numerator over a denominator, or
// a numerator over a denominator. Rows and groups follow the tab order, so that the arrangement
// read top to bottom and left to right meets the controls in the order the keyboard does.
enum class Part { kNone, kHeading, kAlone, kWhole, kNumerator, kDenominator };
struct Cell {
  int row = -1;  // -1: not shown in the narrow arrangement
  int group = 0;
  Part part = Part::kNone;
};

struct Typeface {
  std::string_view face;
  double points;
  int weight;
};
// The face the form was drawn in; windows substitute what the system has. Controls without a font
// of their own take the window's default.
inline constexpr Typeface kDefaultFont = {"MS Sans Serif", 8.25, 400};
inline constexpr Typeface kBoldFont = {"MS Sans Serif", 8.25, 700};
inline constexpr Typeface kLargeFont = {"MS Sans Serif", 13.5, 400};

struct Control {
  std::string_view name;
  Kind kind;
  std::string_view caption;
  Place place;
  int tab_index;  // -1: none (the shapes)
  Cell narrow;
  FontKind font = FontKind::kDefault;
  Alignment alignment = Alignment::kLeft;
  std::string_view accessible_name = {};  // boxes and buttons
  std::optional<Box> box = std::nullopt;  // text boxes: the box of the calculation they show
  bool answer = false;                    // the six answer boxes: read-only
  Action action = Action::kNone;          // command buttons

  bool TakesFocus() const { return kind == Kind::kTextBox || kind == Kind::kCommandButton; }
};

inline constexpr Control kFrame1 = {
    "Frame1", Kind::kFrame, "Simple Ondavi", {120, 120, 6495, 1935}, 0, {}};

// The controls inside Frame1, in tab-index order, then the two rectangle outlines.
inline constexpr std::array<Control, 27> kControls = {{
    {"Text1",
     Kind::kTextBox,
     "",
     {360, 600, 495, 375},
     1,
     {0, 0, Part::kWhole},
     FontKind::kBold,
     Alignment::kLeft,
     N_("first operand, whole number"),
     Box::Text1},
    {"Text2",
     Kind::kTextBox,
     "",
     {840, 360, 495, 375},
     2,
     {0, 0, Part::kNumerator},
     FontKind::kBold,
     Alignment::kLeft,
     N_("first operand, numerator"),
     Box::Text2},
    {"Text3",
     Kind::kTextBox,
     "",
     {840, 720, 495, 375},
     3,
     {0, 0, Part::kDenominator},
     FontKind::kBold,
     Alignment::kLeft,
     N_("first operand, denominator"),
     Box::Text3},
    {"Text4",
     Kind::kTextBox,
     "",
     {1800, 600, 495, 375},
     4,
     {0, 1, Part::kWhole},
     FontKind::kBold,
     Alignment::kLeft,
     N_("second operand, whole number"),
     Box::Text4},
    {"Text5",
     Kind::kTextBox,
     "",
     {2280, 360, 495, 375},
     5,
     {0, 1, Part::kNumerator},
     FontKind::kBold,
     Alignment::kLeft,
     N_("second operand, numerator"),
     Box::Text5},
    {"Text6",
     Kind::kTextBox,
     "",
     {2280, 720, 495, 375},
     6,
     {0, 1, Part::kDenominator},
     FontKind::kBold,
     Alignment::kLeft,
     N_("second operand, denominator"),
     Box::Text6},
    {"Text7",
     Kind::kTextBox,
     "",
     {3360, 360, 495, 375},
     7,
     {1, 0, Part::kNumerator},
     FontKind::kBold,
     Alignment::kLeft,
     N_("answer, numerator"),
     Box::Text7,
     true},
    {"Text8",
     Kind::kTextBox,
     "",
     {3360, 720, 495, 375},
     8,
     {1, 0, Part::kDenominator},
     FontKind::kBold,
     Alignment::kLeft,
     N_("answer, denominator"),
     Box::Text8,
     true},
    {"Add",
     Kind::kCommandButton,
     "+",
     {1440, 360, 255, 255},
     9,
     {2, 0, Part::kAlone},
     FontKind::kBold,
     Alignment::kLeft,
     N_("add"),
     std::nullopt,
     false,
     Action::kAdd},
    {"Subtract",
     Kind::kCommandButton,
     "-",
     {1440, 600, 255, 255},
     10,
     {2, 1, Part::kAlone},
     FontKind::kBold,
     Alignment::kLeft,
     N_("subtract"),
     std::nullopt,
     false,
     Action::kSubtract},
    {"Multiply",
     Kind::kCommandButton,
     "x",
     {1440, 840, 255, 255},
     11,
     {2, 2, Part::kAlone},
     FontKind::kBold,
     Alignment::kLeft,
     N_("multiply"),
     std::nullopt,
     false,
     Action::kMultiply},
    {"Divide",
     Kind::kCommandButton,
     "/",
     {1440, 1080, 255, 255},
     12,
     {2, 3, Part::kAlone},
     FontKind::kBold,
     Alignment::kLeft,
     N_("divide"),
     std::nullopt,
     false,
     Action::kDivide},
    {"Label1",
     Kind::kLabel,
     "=",
     {2880, 600, 375, 375},
     13,
     {3, 0, Part::kAlone},
     FontKind::kLarge,
     Alignment::kCentre},
    {"Text9",
     Kind::kTextBox,
     "",
     {4080, 600, 495, 375},
     14,
     {3, 1, Part::kWhole},
     FontKind::kBold,
     Alignment::kLeft,
     N_("mixed number, whole part"),
     Box::Text9,
     true},
    {"Text10",
     Kind::kTextBox,
     "",
     {4560, 360, 495, 375},
     15,
     {3, 1, Part::kNumerator},
     FontKind::kBold,
     Alignment::kLeft,
     N_("mixed number, numerator"),
     Box::Text10,
     true},
    {"Text11",
     Kind::kTextBox,
     "",
     {4560, 720, 495, 375},
     16,
     {3, 1, Part::kDenominator},
     FontKind::kBold,
     Alignment::kLeft,
     N_("mixed number, denominator"),
     Box::Text11,
     true},
    {"Text12",
     Kind::kTextBox,
     "",
     {5280, 600, 855, 375},
     17,
     {4, 0, Part::kAlone},
     FontKind::kBold,
     Alignment::kLeft,
     N_("answer, decimal"),
     Box::Text12,
     true},
    {"Label2",
     Kind::kLabel,
     N_("Mixed Number"),
     {4080, 1200, 1095, 255},
     18,
     {3, 1, Part::kHeading}},
    {"Label3", Kind::kLabel, N_("Decimal"), {5400, 1200, 615, 255}, 19, {4, 0, Part::kHeading}},
    {"Label4", Kind::kLabel, N_("Answer"), {3360, 1200, 615, 255}, 20, {1, 0, Part::kHeading}},
    {"cls",
     Kind::kCommandButton,
     N_("clear"),
     {1320, 1440, 495, 315},
     21,
     {5, 0, Part::kAlone},
     FontKind::kDefault,
     Alignment::kLeft,
     N_("clear all boxes"),
     std::nullopt,
     false,
     Action::kClear},
    {"Label5",
     Kind::kLabel,
     N_("Fraction1"),
     {480, 1200, 735, 255},
     22,
     {0, 0, Part::kHeading},
     FontKind::kDefault,
     Alignment::kCentre},
    {"Label6",
     Kind::kLabel,
     N_("Fraction2"),
     {1920, 1200, 735, 255},
     23,
     {0, 1, Part::kHeading},
     FontKind::kDefault,
     Alignment::kCentre},
    {"ShowWork",
     Kind::kCommandButton,
     N_("Show Work"),
     {4200, 1440, 1215, 315},
     24,
     {5, 1, Part::kAlone},
     FontKind::kDefault,
     Alignment::kLeft,
     N_("Show Work of the last calculation"),
     std::nullopt,
     false,
     Action::kShowWork},
    // In the answer's frame left of "Show Work", below the "Answer" label.
    {"Explain",
     Kind::kCommandButton,
     N_("Explain"),
     {3300, 1455, 840, 300},
     25,
     {5, 2, Part::kAlone},
     FontKind::kDefault,
     Alignment::kLeft,
     N_("explain the solution step by step"),
     std::nullopt,
     false,
     Action::kExplain},
    {"Shape2", Kind::kShape, "", {240, 240, 2655, 1575}, -1, {}},
    {"Shape1", Kind::kShape, "", {3240, 240, 3015, 1575}, -1, {}},
}};

}  // namespace ondavi::form
