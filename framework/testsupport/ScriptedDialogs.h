#pragma once
// The test side of the dialog seam: records every dialog and answers it from
// a script. Constructing one installs it; the destructor puts the previous
// seam back.

#include "framework/Dialogs.h"
#include "framework/Printing.h"

#include <deque>

namespace fw {

struct ShownDialog {
  enum Kind { kMsgBox, kBeep, kShowURL, kMessageDialog, kOpenFile, kSaveFile, kPageSetup, kPrint };
  Kind kind;
  String text;                     // MsgBox text, URL, MessageDialog headline, file filter
  String explanation;              // MessageDialog explanation, save dialog's default name
  std::vector<String> buttons;     // MessageDialog's visible captions
  String prompt{};                 // save dialog
  const Window* parent = nullptr;  // save dialog, print dialog
};

class ScriptedDialogs : public DialogSeam {
 public:
  ScriptedDialogs();            // installs itself
  ~ScriptedDialogs() override;  // restores the previous seam

  // How a MessageDialog is answered: by the button's role, never by its
  // caption, so a changed caption cannot make a test press another button.
  struct Answer {
    static Answer Default() { return {0}; }      // the action button (Return)
    static Answer Cancel() { return {1}; }       // the cancel button, the second shown
    static Answer Button(int n) { return {n}; }  // the n-th shown, from 0
    static Answer Close() { return {-1}; }       // no button (Escape, the close box)
    int button;
  };

  // Answers, used in order; when the queue is empty a MessageDialog presses
  // its first (action) button and file dialogs are cancelled.
  void AnswerNextDialogWith(Answer answer);
  void AnswerNextFileDialogWith(std::optional<FolderItem> file);
  // The page setup dialog is cancelled and the print dialog cancelled
  // (nullptr) unless answered.
  void AnswerNextPageSetupWith(bool confirmed);
  void AnswerNextPrintDialogWith(std::unique_ptr<PageSurface> surface);

  std::vector<ShownDialog> shown;  // everything, in order
  std::vector<String> MsgBoxTexts() const;
  int BeepCount() const;
  void Clear() { shown.clear(); }

  void MsgBox(const String& text) override;
  void Beep() override;
  void ShowURL(const String& url) override;
  int MessageDialog(const String& message, const String& explanation,
                    const std::vector<String>& buttons) override;
  std::optional<FolderItem> OpenFile(const String& filter) override;
  std::optional<FolderItem> SaveFile(const String& prompt, const String& filter,
                                     const String& defaultName, const Window* parent) override;
  bool PageSetupDialog(PrinterSetup& setup) override;
  std::unique_ptr<PageSurface> PrintDialog(PrinterSetup& setup, const Window* parent) override;

 private:
  std::optional<FolderItem> NextFileAnswer();

  DialogSeam* previous_;
  std::deque<Answer> buttonAnswers_;
  std::deque<std::optional<FolderItem>> fileAnswers_;
  std::deque<bool> pageSetupAnswers_;
  std::deque<std::unique_ptr<PageSurface>> printAnswers_;
};

}  // namespace fw
