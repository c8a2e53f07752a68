#include "framework/ui/QtDialogs.h"

#include "framework/Window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace fw {

std::unique_ptr<QMessageBox> BuildMessageBox(const String& message, const String& explanation,
                                             const std::vector<String>& buttons) {
  auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
  // Texts come from the user and the database: never let "<" start markup.
  box->setTextFormat(Qt::PlainText);
  box->setText(message);
  if (!explanation.isEmpty()) {
    box->setInformativeText(explanation);
    // QMessageBox does not pass its text format on to the informative label.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
      label->setTextFormat(Qt::PlainText);
  }
  static constexpr QMessageBox::ButtonRole kRoles[] = {
      QMessageBox::AcceptRole, QMessageBox::RejectRole, QMessageBox::ActionRole};
  for (size_t i = 0; i < buttons.size(); ++i) {
    QPushButton* button = box->addButton(buttons[i], kRoles[qMin(i, std::size(kRoles) - 1)]);
    button->setProperty(kButtonIndexProperty, static_cast<int>(i));
    if (i == 0) box->setDefaultButton(button);
    // The cancel caption follows the action caption; a lone button is both.
    if (i == (buttons.size() >= 2 ? 1 : 0)) box->setEscapeButton(button);
  }
  return box;
}

void QtDialogs::MsgBox(const String& text) {
  BuildMessageBox(text, String(), {QStringLiteral("OK")})->exec();
}

void QtDialogs::Beep() { QApplication::beep(); }

void QtDialogs::ShowURL(const String& url) { QDesktopServices::openUrl(QUrl(url)); }

int QtDialogs::MessageDialog(const String& message, const String& explanation,
                             const std::vector<String>& buttons) {
  const auto box = BuildMessageBox(message, explanation, buttons);
  box->exec();
  const QAbstractButton* pressed = box->clickedButton();
  if (!pressed) return -1;
  // Matched by index: a platform theme may add shortcut marks to the text.
  bool ok = false;
  const int index = pressed->property(kButtonIndexProperty).toInt(&ok);
  return ok ? index : -1;
}

std::optional<FolderItem> QtDialogs::OpenFile(const String& filter) {
  const String path =
      QFileDialog::getOpenFileName(QApplication::activeWindow(), String(), String(), filter);
  if (path.isEmpty()) return std::nullopt;
  return FolderItem(path);
}

std::unique_ptr<QFileDialog> BuildSaveDialog(const String& prompt, const String& filter,
                                             const String& defaultName, const Window* parent) {
  auto dialog = std::make_unique<QFileDialog>(
      parent ? parent->widget() : QApplication::activeWindow(), prompt, String(), filter);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->selectFile(defaultName);
  dialog->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  return dialog;
}

std::optional<FolderItem> QtDialogs::SaveFile(const String& prompt, const String& filter,
                                              const String& defaultName, const Window* parent) {
  const auto dialog = BuildSaveDialog(prompt, filter, defaultName, parent);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return FolderItem(dialog->selectedFiles().constFirst());
}

}  // namespace fw
