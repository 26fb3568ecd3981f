#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string_view>

#include "edit_box_panel.h"
#include "explanation_window.h"
#include "form.h"
#include "form_actions.h"
#include "message_prompt.h"
#include "module1.h"
#include "window_class.h"

namespace ondavi::win32 {

// The calculator's window on Windows, drawn from the form table: window class "Calculator",
// fixed size, its controls placed from twips through the window's DPI and placed again when the
// window moves to a monitor of another DPI. The buttons hand their work to the form's actions.
class CalculatorWindow {
 public:
  // Creates the window, hidden; Form_Load has run when this returns. Messages go to `prompt`
  // when given (tests record them), otherwise to message boxes over the window.
  CalculatorWindow(HINSTANCE instance, Module1& module, MessagePrompt* prompt = nullptr);
  ~CalculatorWindow();
  CalculatorWindow(const CalculatorWindow&) = delete;
  CalculatorWindow& operator=(const CalculatorWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // A control by its name in the form ("Frame1", "Text1", "Add", ...); nullptr for none.
  HWND Control(std::string_view name) const;

  // Handles the keyboard as a dialog does (Tab, Shift+Tab, Space and Enter on buttons) when the
  // message is for this window; tells whether it did. The message loop calls it first.
  bool HandleDialogKey(MSG& message);

  // The window "Explain" opens, hidden until then.
  ExplanationWindow& Explanation() { return *explanation_; }

 private:
  template <class Window>
  friend LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateControls(HINSTANCE instance);
  void CreateTooltip(HINSTANCE instance);
  void LayOut(UINT dpi);
  void Form_Load();
  void ClickFocusedButton();
  void Click(std::size_t index);  // the control at this index of the form table
  void DescribeButtons();
  bool Solve(const std::string& line);
  static LRESULT CALLBACK TakeWholeProblems(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                            UINT_PTR, DWORD_PTR window);
  void ShowAnswerMenu(HWND box, LPARAM where);
  const form::Control* ControlOf(HWND control) const;  // nullptr for the frame and others
  void SaveFocus();
  void RestoreFocus();

  struct Fonts {
    HFONT bold = nullptr, large = nullptr, message = nullptr;
    void Make(UINT dpi);
    void Free();
  };

  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND frame_ = nullptr;
  std::array<HWND, form::kControls.size()> controls_{};
  std::array<HWND, kBoxCount> boxes_{};
  UINT dpi_ = 96;
  HWND focus_ = nullptr;  // the control to give the focus back to when the window regains it
  Fonts fonts_;
  std::unique_ptr<MessagePrompt> own_prompt_;
  MessagePrompt* prompt_;
  std::unique_ptr<EditBoxPanel> panel_;
  std::unique_ptr<form::FormActions> actions_;
  std::unique_ptr<ExplanationWindow> explanation_;
  std::wstring tooltip_text_;
};

}  // namespace ondavi::win32
