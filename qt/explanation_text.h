#pragma once

// The worked solution's text view: read-only, selectable with the mouse and the keyboard,
// scrolling; Ctrl+C copies the selection, or with nothing selected everything, in the text form
// (each stacked expression inline); Ctrl+plus and Ctrl+minus zoom. Screen readers read it as
// that same text.
#include <QTextEdit>

namespace ondavi {

class ExplanationText : public QTextEdit {
  Q_OBJECT

 public:
  explicit ExplanationText(QWidget* parent = nullptr);

  // Everything, as Ctrl+C copies it with nothing selected: one line a paragraph, each ending in
  // a line end.
  QString WholeText() const;
  void CopyAll() const;
  // Where a position of the document falls in WholeText.
  int TextOffset(int position) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace ondavi
