#include "app/screens/Program.h"

#include <QLineEdit>

#include "accounts/screens/TAdrAna.h"
#include "accounts/screens/TCariPlanDok.h"
#include "accounts/screens/TDevir.h"
#include "accounts/screens/TFormMhr.h"
#include "accounts/screens/THesapAra.h"
#include "accounts/screens/THesapPlan.h"
#include "accounts/screens/THspSil.h"
#include "app/TDM.h"
#include "app/screens/TBrDateForm.h"
#include "app/screens/TEvrak_No.h"
#include "app/screens/TFormFirma.h"
#include "app/screens/TKimlikGir.h"
#include "app/screens/TMainForm.h"
#include "app/screens/TPYetki.h"
#include "app/screens/TServerAdres.h"
#include "app/screens/Ui.h"
#include "data/Format.h"
#include "rates/screens/TKurAna.h"
#include "rates/screens/TKurGiris.h"
#include "reports/screens/TCarParam.h"
#include "reports/screens/TReportForm.h"
#include "reports/screens/TStokFlt.h"
#include "vouchers/screens/TDekont.h"
#include "vouchers/screens/TDekontYaz.h"

namespace tolvek {

Program::Program(TDM& dm, Ui& ui) : dm_(dm), ui_(ui) {
  // Nothing here touches the session or the database: that waits for a login.
  main_ = std::make_unique<TMainForm>(*this);
  mainForm = main_.get();
  formMhr = make<TFormMhr>();
  dekont = make<TDekont>();
  dateForm = make<TBrDateForm>();
  formFirma = make<TFormFirma>();
  evrakNo = make<TEvrak_No>();
  kimlikGir = make<TKimlikGir>();
  pYetki = make<TPYetki>();
  serverAdres = make<TServerAdres>();
  carParam = make<TCarParam>();
  stokFlt = make<TStokFlt>();
  dpStokFlt = make<TDpStokFlt>();
  hesapAra = make<THesapAra>();
  hesapPlan = make<THesapPlan>();
  devir = make<TDevir>();
  cariPlanDok = make<TCariPlanDok>();
  adrAna = make<TAdrAna>();
  kurAna = make<TKurAna>();
  kurGiris = make<TKurGiris>();
  hspSil = make<THspSil>();
  dekontYaz = std::make_unique<TDekontYaz>(*this);
}

std::optional<AccountChoice> Program::searchAccount() {
  if (hesapAra->openModal() != QDialog::Accepted) return std::nullopt;
  return dm_.accountSearch;
}

TReportForm* Program::reportScreen(const ReportDefinition& report) {
  auto it = reportScreens_.find(&report);
  if (it != reportScreens_.end()) return it->second;
  auto* screen = new TReportForm(*this, report);
  screens_ << screen;
  reportScreens_.emplace(&report, screen);
  return screen;
}

Program::~Program() = default;

QMainWindow* Program::mainWindow() const { return main_.get(); }

template <typename T>
T* Program::make() {
  auto* screen = new T(*this);  // owned by the main window
  screens_ << screen;
  return screen;
}

void Program::closeOtherWindows() {
  for (Screen* s : screens_) {
    if (s->isVisible()) s->close();
  }
}

std::optional<QDate> Program::pickDate(const QDate& start) {
  dateForm->setDate(start.isValid() ? start : QDate::currentDate());
  if (dateForm->openModal() != QDialog::Accepted) return std::nullopt;
  return dateForm->date();
}

std::optional<qint64> Program::askDocumentNumber() {
  if (evrakNo->openModal() != QDialog::Accepted) return std::nullopt;
  const qint64 number = fmt::parseWhole(evrakNo->Ev_No->text());
  if (number < 1) return std::nullopt;
  return number;
}

}  // namespace tolvek
