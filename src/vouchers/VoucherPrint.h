// The voucher's A4 page: the company's letterhead, the voucher's title, number and dates, both
// sides with rate and amount, and four explanation lines.
#pragma once

#include <QString>
#include <array>

class QPagedPaintDevice;

namespace tolvek {

struct Company;

// The texts exactly as the voucher screen shows them.
struct VoucherPage {
  QString number, date, valueDate, title;
  std::array<QString, 4> explanations;
  QString debitName, debitCode, debitCurrency, debitRate, debitAmount;
  QString creditName, creditCode, creditCurrency, creditRate, creditAmount;
};

// Draws the page (A4 portrait, 10 mm margins) on a printer or a PDF file.
void paintVoucher(QPagedPaintDevice& device, const VoucherPage& page, const Company& company);

}  // namespace tolvek
