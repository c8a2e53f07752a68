#pragma once
// The program's side of the dialog seam: real Qt dialogs, plain text only.

#include "framework/Dialogs.h"

#include <memory>

class QFileDialog;
class QMessageBox;

namespace fw {

class QtDialogs : public DialogSeam {
 public:
  void MsgBox(const String& text) override;
  void Beep() override;
  void ShowURL(const String& url) override;
  int MessageDialog(const String& message, const String& explanation,
                    const std::vector<String>& buttons) override;
  std::optional<FolderItem> OpenFile(const String& filter) override;
  std::optional<FolderItem> SaveFile(const String& prompt, const String& filter,
                                     const String& defaultName, const Window* parent) override;
  // With the printing part of the layer (ui/QtPrintDialogs.cpp).
  bool PageSetupDialog(PrinterSetup& setup) override;
  std::unique_ptr<PageSurface> PrintDialog(PrinterSetup& setup, const Window* parent) override;
};

// The message box as MessageDialog shows it, built apart from showing so
// its set-up can be checked without a modal loop. Each button carries its
// index into `buttons` in the property kButtonIndexProperty.
std::unique_ptr<QMessageBox> BuildMessageBox(const String& message, const String& explanation,
                                             const std::vector<String>& buttons);
inline constexpr char kButtonIndexProperty[] = "fwButtonIndex";

// The save dialog as SaveFile shows it (the prompt as its title, modal
// within the parent's window), built apart from showing.
std::unique_ptr<QFileDialog> BuildSaveDialog(const String& prompt, const String& filter,
                                             const String& defaultName, const Window* parent);

}  // namespace fw
