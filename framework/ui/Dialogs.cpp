#include "framework/Dialogs.h"

#include "framework/FileType.h"
#include "framework/ui/QtDialogs.h"

namespace fw {

namespace {
DialogSeam* installedSeam = nullptr;
}  // namespace

DialogSeam& Dialogs() {
  if (installedSeam) return *installedSeam;
  static QtDialogs qtSeam;
  return qtSeam;
}

void SetDialogSeam(DialogSeam* seam) { installedSeam = seam; }

void MsgBox(const String& text) { Dialogs().MsgBox(text); }
void Beep() { Dialogs().Beep(); }
void ShowURL(const String& url) { Dialogs().ShowURL(url); }

MessageDialog::MessageDialog()
    : ActionButton{QStringLiteral("OK"), true},
      CancelButton{QStringLiteral("Abbrechen"), false},
      AlternateActionButton{String(), false} {}

const MessageDialogButton& MessageDialog::ShowModal() {
  const MessageDialogButton* const order[] = {&ActionButton, &CancelButton, &AlternateActionButton};
  std::vector<const MessageDialogButton*> shown;
  std::vector<String> captions;
  for (const MessageDialogButton* button : order) {
    if (!button->Visible) continue;
    shown.push_back(button);
    captions.push_back(button->Caption);
  }
  const int pressed = Dialogs().MessageDialog(Message, Explanation, captions);
  if (pressed >= 0 && static_cast<size_t>(pressed) < shown.size()) return *shown[pressed];
  // Closed without a button.
  return CancelButton.Visible ? CancelButton : ActionButton;
}

std::optional<FolderItem> GetOpenFolderItem(const String& filter) {
  return Dialogs().OpenFile(FileTypeFilter(filter));
}

std::optional<FolderItem> SaveAsDialog::ShowModalWithin(const Window& parent) {
  return Dialogs().SaveFile(PromptText, FileTypeFilter(Filter), SuggestedFileName, &parent);
}

}  // namespace fw
