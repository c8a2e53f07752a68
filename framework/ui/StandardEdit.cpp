#include "framework/ui/StandardEdit.h"

#include "framework/Window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace fw::ui {
namespace {

enum class Edit { kNone, kUndo, kCut, kCopy, kPaste, kClear, kSelectAll };

Edit EditOf(const String& name) {
  if (name == u"EditUndo") return Edit::kUndo;
  if (name == u"EditCut") return Edit::kCut;
  if (name == u"EditCopy") return Edit::kCopy;
  if (name == u"EditPaste") return Edit::kPaste;
  if (name == u"EditClear") return Edit::kClear;
  if (name == u"EditSelectAll") return Edit::kSelectAll;
  return Edit::kNone;
}

QWidget* FocusOf(const Window* front) {
  return front ? front->widget()->focusWidget() : QApplication::focusWidget();
}

bool Available(Edit edit, const QLineEdit& f) {
  switch (edit) {
    case Edit::kUndo: return f.isUndoAvailable();
    case Edit::kCut:
    case Edit::kClear: return f.hasSelectedText() && !f.isReadOnly();
    case Edit::kCopy: return f.hasSelectedText();
    case Edit::kPaste: return !f.isReadOnly();
    case Edit::kSelectAll: return true;
    case Edit::kNone: break;
  }
  return false;
}

bool Available(Edit edit, const QPlainTextEdit& f) {
  const bool selection = f.textCursor().hasSelection();
  switch (edit) {
    case Edit::kUndo: return f.document()->isUndoAvailable() && !f.isReadOnly();
    case Edit::kCut:
    case Edit::kClear: return selection && !f.isReadOnly();
    case Edit::kCopy: return selection;
    case Edit::kPaste: return !f.isReadOnly();
    case Edit::kSelectAll: return true;
    case Edit::kNone: break;
  }
  return false;
}

void Run(Edit edit, QLineEdit& f) {
  switch (edit) {
    case Edit::kUndo: f.undo(); break;
    case Edit::kCut: f.cut(); break;
    case Edit::kCopy: f.copy(); break;
    case Edit::kPaste: f.paste(); break;
    case Edit::kClear: f.del(); break;
    case Edit::kSelectAll: f.selectAll(); break;
    case Edit::kNone: break;
  }
}

void Run(Edit edit, QPlainTextEdit& f) {
  switch (edit) {
    case Edit::kUndo: f.undo(); break;
    case Edit::kCut: f.cut(); break;
    case Edit::kCopy: f.copy(); break;
    case Edit::kPaste: f.paste(); break;
    case Edit::kClear: f.textCursor().removeSelectedText(); break;
    case Edit::kSelectAll: f.selectAll(); break;
    case Edit::kNone: break;
  }
}

}  // namespace

bool IsStandardEdit(const String& itemName) { return EditOf(itemName) != Edit::kNone; }

bool StandardEditAvailable(const String& itemName, const Window* front) {
  const Edit edit = EditOf(itemName);
  QWidget* focus = FocusOf(front);
  if (auto* line = qobject_cast<QLineEdit*>(focus)) return Available(edit, *line);
  if (auto* area = qobject_cast<QPlainTextEdit*>(focus)) return Available(edit, *area);
  return false;
}

void RunStandardEdit(const String& itemName, const Window* front) {
  const Edit edit = EditOf(itemName);
  QWidget* focus = FocusOf(front);
  if (auto* line = qobject_cast<QLineEdit*>(focus)) {
    if (Available(edit, *line)) Run(edit, *line);
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(focus)) {
    if (Available(edit, *area)) Run(edit, *area);
  }
}

}  // namespace fw::ui
