#include "framework/Printing.h"

#include <QPageLayout>
#include <QPageSize>

namespace fw {

// The page setup dialogs and the printouts come later; until then a page
// setup is the platform's default page.
struct PrinterSetup::Impl {
  QPageLayout layout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter};
};

PrinterSetup::PrinterSetup() : d(std::make_unique<Impl>()) {}

PrinterSetup::~PrinterSetup() = default;

}  // namespace fw
