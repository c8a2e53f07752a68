#include "framework/testsupport/ScriptedDialogs.h"

#include <QDebug>
#include <algorithm>

namespace fw {

ScriptedDialogs::ScriptedDialogs() : previous_(&Dialogs()) { SetDialogSeam(this); }

ScriptedDialogs::~ScriptedDialogs() { SetDialogSeam(previous_); }

void ScriptedDialogs::AnswerNextDialogWith(Answer answer) { buttonAnswers_.push_back(answer); }

void ScriptedDialogs::AnswerNextFileDialogWith(std::optional<FolderItem> file) {
  fileAnswers_.push_back(std::move(file));
}

std::vector<String> ScriptedDialogs::MsgBoxTexts() const {
  std::vector<String> texts;
  for (const ShownDialog& d : shown)
    if (d.kind == ShownDialog::kMsgBox) texts.push_back(d.text);
  return texts;
}

int ScriptedDialogs::BeepCount() const {
  return static_cast<int>(std::count_if(shown.begin(), shown.end(), [](const ShownDialog& d) {
    return d.kind == ShownDialog::kBeep;
  }));
}

void ScriptedDialogs::MsgBox(const String& text) {
  shown.push_back({ShownDialog::kMsgBox, text, {}, {}});
}

void ScriptedDialogs::Beep() { shown.push_back({ShownDialog::kBeep, {}, {}, {}}); }

void ScriptedDialogs::ShowURL(const String& url) {
  shown.push_back({ShownDialog::kShowURL, url, {}, {}});
}

int ScriptedDialogs::MessageDialog(const String& message, const String& explanation,
                                   const std::vector<String>& buttons) {
  shown.push_back({ShownDialog::kMessageDialog, message, explanation, buttons});
  if (buttonAnswers_.empty()) return buttons.empty() ? -1 : 0;
  const int answer = buttonAnswers_.front().button;
  buttonAnswers_.pop_front();
  // A button the dialog does not show is a mistake in the test: the dialog
  // is closed instead.
  if (answer >= static_cast<int>(buttons.size())) {
    qWarning() << "ScriptedDialogs: no button" << answer << "on dialog" << message;
    return -1;
  }
  return answer;
}

std::optional<FolderItem> ScriptedDialogs::OpenFile(const String& filter) {
  shown.push_back({ShownDialog::kOpenFile, filter, {}, {}});
  return NextFileAnswer();
}

std::optional<FolderItem> ScriptedDialogs::SaveFile(const String& prompt, const String& filter,
                                                    const String& defaultName,
                                                    const Window* parent) {
  shown.push_back({ShownDialog::kSaveFile, filter, defaultName, {}, prompt, parent});
  return NextFileAnswer();
}

void ScriptedDialogs::AnswerNextPageSetupWith(bool confirmed) {
  pageSetupAnswers_.push_back(confirmed);
}

void ScriptedDialogs::AnswerNextPrintDialogWith(std::unique_ptr<PageSurface> surface) {
  printAnswers_.push_back(std::move(surface));
}

bool ScriptedDialogs::PageSetupDialog(PrinterSetup&) {
  shown.push_back({ShownDialog::kPageSetup, {}, {}, {}});
  if (pageSetupAnswers_.empty()) return false;
  const bool confirmed = pageSetupAnswers_.front();
  pageSetupAnswers_.pop_front();
  return confirmed;
}

std::unique_ptr<PageSurface> ScriptedDialogs::PrintDialog(PrinterSetup&, const Window* parent) {
  shown.push_back({ShownDialog::kPrint, {}, {}, {}, {}, parent});
  if (printAnswers_.empty()) return nullptr;
  std::unique_ptr<PageSurface> surface = std::move(printAnswers_.front());
  printAnswers_.pop_front();
  return surface;
}

std::optional<FolderItem> ScriptedDialogs::NextFileAnswer() {
  if (fileAnswers_.empty()) return std::nullopt;
  // Copied out as a plain item: moving the optional itself trips a false
  // maybe-uninitialized warning in GCC 12's optimiser.
  const bool cancelled = !fileAnswers_.front().has_value();
  const FolderItem item = cancelled ? FolderItem() : *fileAnswers_.front();
  fileAnswers_.pop_front();
  if (cancelled) return std::nullopt;
  return item;
}

}  // namespace fw
