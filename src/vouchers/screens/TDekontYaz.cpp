#include "vouchers/screens/TDekontYaz.h"

#include <QMainWindow>

#include "app/Company.h"
#include "app/TDM.h"
#include "app/screens/Program.h"
#include "app/screens/Ui.h"
#include "vouchers/VoucherPrint.h"

namespace tolvek {

void TDekontYaz::preview(const VoucherPage& page) {
  const Company letterhead = company::load(program_.dm().connection()).value_or(Company{});
  program_.ui().printPreview(
      program_.mainWindow(), QStringLiteral("Dekont %1").arg(page.number),
      [&](QPagedPaintDevice& device) { paintVoucher(device, page, letterhead); });
}

}  // namespace tolvek
