#pragma once
// Message boxes, questions, the beep, web addresses and the file dialogs.
//
// Everything modal goes through one seam, DialogSeam. The program runs with
// the windowing layer's Qt seam (real dialogs, plain text only); tests
// install ScriptedDialogs (framework/testsupport/ScriptedDialogs.h), which
// records every dialog shown and answers it, so no test ever waits on a
// modal dialog.

#include "framework/FolderItem.h"
#include "framework/String.h"

#include <memory>
#include <optional>
#include <vector>

namespace fw {

class PageSurface;
class PrinterSetup;
class Window;

class DialogSeam {
 public:
  virtual ~DialogSeam() = default;
  virtual void MsgBox(const String& text) = 0;
  virtual void Beep() = 0;
  virtual void ShowURL(const String& url) = 0;
  // A question with a headline, an explanation and the visible buttons'
  // captions (action button first, then cancel, then alternate). Returns the
  // pressed button's place among them, -1 when the dialog was closed
  // without one (Escape), which MessageDialog takes for the cancel button
  // when there is one, else the action button. The seam takes the second
  // button for the cancel button: show the alternate button only together
  // with the cancel button.
  virtual int MessageDialog(const String& message, const String& explanation,
                            const std::vector<String>& buttons) = 0;
  // An open dialog for files of `filter` (e.g. "text (*.txt *.TXT)";
  // "" for every file); nullopt when cancelled.
  virtual std::optional<FolderItem> OpenFile(const String& filter) = 0;
  // A save dialog with a prompt, suggesting `defaultName`, modal within
  // `parent` (nullptr: the application); nullopt when cancelled.
  virtual std::optional<FolderItem> SaveFile(const String& prompt, const String& filter,
                                             const String& defaultName, const Window* parent) = 0;
  // The page setup dialog editing `setup`; true when confirmed.
  virtual bool PageSetupDialog(PrinterSetup& setup) = 0;
  // The print dialog for `setup` within `parent` (may be nullptr): the
  // surface of the new job, nullptr when cancelled (Printing.h).
  virtual std::unique_ptr<PageSurface> PrintDialog(PrinterSetup& setup, const Window* parent) = 0;
};

// The seam in force. Without an installed one, the Qt seam.
DialogSeam& Dialogs();
// Installs a seam (not owned); nullptr goes back to the Qt seam.
void SetDialogSeam(DialogSeam* seam);

// The framework's names for them.
void MsgBox(const String& text);
void Beep();
void ShowURL(const String& url);

struct MessageDialogButton {
  String Caption;
  bool Visible = true;
};

// A modal question. ShowModal returns the pressed button, recognised by its
// caption (compare with ActionButton.Caption and friends).
class MessageDialog {
 public:
  MessageDialog();
  String Message;                             // the headline
  String Explanation;                         // the text below it
  MessageDialogButton ActionButton;           // "OK", visible
  MessageDialogButton CancelButton;           // "Abbrechen", hidden
  MessageDialogButton AlternateActionButton;  // hidden
  // The pressed button (one of the three members above).
  const MessageDialogButton& ShowModal();
};

// File dialogs; a null result (nullopt) when the user cancels. `filter`
// names file types (FileType.h), several separated by ";".
std::optional<FolderItem> GetOpenFolderItem(const String& filter);

class SaveAsDialog {
 public:
  String PromptText;
  String SuggestedFileName;
  String Filter;  // file type names, as GetOpenFolderItem takes them
  std::optional<FolderItem> ShowModalWithin(const Window& parent);
};

}  // namespace fw
