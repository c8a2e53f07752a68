// The Qt dialog seam's page setup and print dialogs.

#include "framework/Window.h"
#include "framework/ui/QtDialogs.h"
#include "framework/ui/PrinterSurface.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace fw {

bool QtDialogs::PageSetupDialog(PrinterSetup& setup) {
  QPageSetupDialog dialog(&setup.printer());
  return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<PageSurface> QtDialogs::PrintDialog(PrinterSetup& setup, const Window* parent) {
  QPrintDialog dialog(&setup.printer(), parent ? parent->widget() : nullptr);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return std::make_unique<ui::PrinterSurface>(setup.printer());
}

}  // namespace fw
