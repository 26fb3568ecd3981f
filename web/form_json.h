#pragma once

// The form table as JSON, for the web page to build itself from: the window's caption and size,
// the fonts, Frame1 and every control with its name, kind, caption, place in twips, tab index,
// font, alignment, accessible name, box, answer flag, action and cell in the narrow arrangement.
#include <string>
#include <string_view>

#include "form.h"
#include "label_room.h"

namespace ondavi::web {
namespace json {

// A JSON string: quotes and backslashes escaped, and control characters (a translated caption
// may hold a line end), which JSON does not take as they are, written as \u00XX.
inline std::string Quoted(std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string out = "\"";
  for (char c : text) {
    const std::size_t byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xf];
      continue;
    }
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

inline std::string Font(const form::Typeface& font) {
  return "{\"face\":" + Quoted(font.face) + ",\"points\":" + std::to_string(font.points) +
         ",\"weight\":" + std::to_string(font.weight) + "}";
}

inline const char* KindName(form::Kind kind) {
  switch (kind) {
    case form::Kind::kFrame:
      return "frame";
    case form::Kind::kTextBox:
      return "textBox";
    case form::Kind::kCommandButton:
      return "commandButton";
    case form::Kind::kLabel:
      return "label";
    case form::Kind::kShape:
      return "shape";
  }
  return "";
}

inline const char* FontName(form::FontKind font) {
  return font == form::FontKind::kBold    ? "bold"
         : font == form::FontKind::kLarge ? "large"
                                          : "default";
}

// Fraction boxes take digits only, so that a phone can offer its digits keyboard.
inline bool TakesDigitsOnly(const form::Control& c) {
  return c.box == Box::Text2 || c.box == Box::Text3 || c.box == Box::Text5 || c.box == Box::Text6;
}

inline const char* PartName(form::Part part) {
  switch (part) {
    case form::Part::kNone:
      return "none";
    case form::Part::kHeading:
      return "heading";
    case form::Part::kAlone:
      return "alone";
    case form::Part::kWhole:
      return "whole";
    case form::Part::kNumerator:
      return "numerator";
    case form::Part::kDenominator:
      return "denominator";
  }
  return "";
}

inline std::string Control(const form::Control& c) {
  const form::Place p = c.place;
  return "{\"name\":" + Quoted(c.name) + ",\"kind\":\"" + KindName(c.kind) +
         "\",\"caption\":" + Quoted(form::Tr(c.caption)) + ",\"place\":[" + std::to_string(p.left) +
         "," + std::to_string(p.top) + "," + std::to_string(p.width) + "," +
         std::to_string(p.height) + "],\"tabIndex\":" + std::to_string(c.tab_index) +
         ",\"font\":\"" + FontName(c.font) +
         "\",\"centred\":" + (c.alignment == form::Alignment::kCentre ? "true" : "false") +
         ",\"accessibleName\":" + Quoted(form::Tr(c.accessible_name)) +
         ",\"box\":" + (c.box ? std::to_string(static_cast<int>(*c.box)) : "null") +
         ",\"answer\":" + (c.answer ? "true" : "false") +
         ",\"digitsOnly\":" + (TakesDigitsOnly(c) ? "true" : "false") +
         ",\"action\":" + std::to_string(static_cast<int>(c.action)) + ",\"room\":" +
         std::to_string(c.kind == form::Kind::kLabel ? form::LabelRoom(c) : p.width) +
         ",\"narrow\":" +
         (c.narrow.row < 0 ? std::string("null")
                           : "{\"row\":" + std::to_string(c.narrow.row) +
                                 ",\"group\":" + std::to_string(c.narrow.group) + ",\"part\":\"" +
                                 PartName(c.narrow.part) + "\"}") +
         "}";
}

}  // namespace json

inline std::string FormJson() {
  std::string controls;
  for (const form::Control& c : form::kControls) {
    controls += (controls.empty() ? "" : ",") + json::Control(c);
  }
  return "{\"caption\":" + json::Quoted(form::kCaption) +
         ",\"applicationTitle\":" + json::Quoted(form::kApplicationTitle) +
         ",\"clientWidth\":" + std::to_string(form::kClientWidth) +
         ",\"clientHeight\":" + std::to_string(form::kClientHeight) +
         ",\"twipsPerPixel\":" + std::to_string(form::kTwipsPerPixelAt96Dpi) +
         ",\"maxBoxLength\":" + std::to_string(form::kMaxBoxLength) +
         ",\"fonts\":{\"default\":" + json::Font(form::kDefaultFont) +
         ",\"bold\":" + json::Font(form::kBoldFont) + ",\"large\":" + json::Font(form::kLargeFont) +
         "},\"frame\":" + json::Control(form::kFrame1) + ",\"controls\":[" + controls + "]}";
}

}  // namespace ondavi::web
