#pragma once

// The window "Explain" opens on Windows: the worked solution as text, one step a line in the
// calculator's notation (fractions inline, "13/4"), in a read-only text that scrolls, reflows as
// the window is resized, can be selected and copied, is read by screen readers as any text box
// is, and prints. It stays on top with the calculator, which owns it; closing it hides it.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

#include "explanation.h"
#include "window_class.h"

namespace ondavi::win32 {

class ExplanationWindow : public form::ExplanationView {
 public:
  // Creates the window, hidden, owned by the calculator's window `owner`.
  ExplanationWindow(HINSTANCE instance, HWND owner);
  ~ExplanationWindow() override;
  ExplanationWindow(const ExplanationWindow&) = delete;
  ExplanationWindow& operator=(const ExplanationWindow&) = delete;

  // Shows the explanation's text; a hidden window opens beside its owner, without taking the
  // focus from it, and an open one keeps its place.
  void Show(const form::Explanation& explanation) override;
  bool Open() const override;
  // Brings the open window forward with the focus on its text, for the user to read it.
  void Activate();

  HWND hwnd() const { return hwnd_; }
  // The read-only text of the worked solution.
  HWND Text() const { return text_; }

  // Copies the selected text, or the whole text when nothing is selected.
  void Copy();
  // Prints the whole text through the common print dialog.
  void Print();

  // Handles the keyboard for this window (Tab between its controls, Escape closes it, Ctrl+C
  // copies, Ctrl+A selects all, Ctrl+P prints) when the message is for it; tells whether it did.
  bool HandleDialogKey(MSG& message);

 private:
  enum Button : std::size_t { kCopy, kPrint, kClose };

  template <class Window>
  friend LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK TextProc(HWND text, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                   DWORD_PTR window);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void MakeFonts(UINT dpi);
  void LayOut();
  void PlaceBesideOwner();

  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND text_ = nullptr;
  std::wstring plain_;  // the text as the calculator writes it, to copy
  std::array<HWND, 3> buttons_{};
  UINT dpi_ = 96;
  HFONT text_font_ = nullptr, button_font_ = nullptr;
  bool placed_ = false;  // opened once already: it reopens where the user left it
};

}  // namespace ondavi::win32
