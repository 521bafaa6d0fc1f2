// The voucher print: the A4 page of a voucher in a print preview, from which the clerk prints.
#pragma once

namespace tolvek {

class Program;
struct VoucherPage;

class TDekontYaz {
 public:
  explicit TDekontYaz(Program& program) : program_(program) {}
  // Reads the letterhead, shows the page and waits until the preview is closed.
  void preview(const VoucherPage& page);

 private:
  Program& program_;
};

}  // namespace tolvek
