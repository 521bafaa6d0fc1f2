// The program's single instances: the session context, the Ui service and every screen, created
// once at start; screens reach each other through it.
#pragma once

#include <QDate>
#include <QList>
#include <map>
#include <memory>
#include <optional>

class QMainWindow;
class QWidget;

namespace tolvek {

class Screen;
class TDM;
class Ui;
class TMainForm;
class TBrDateForm;
class TEvrak_No;
class TKimlikGir;
class TPYetki;
class TFormFirma;
class TServerAdres;
class TCarParam;
class TStokFlt;
class TDpStokFlt;
class TReportForm;
class THesapAra;
class THesapPlan;
class THspSil;
class TCariPlanDok;
class TAdrAna;
class TDevir;
class TKurAna;
class TKurGiris;
class TFormMhr;
class TDekont;
class TDekontYaz;
struct AccountChoice;
struct ReportDefinition;

class Program {
 public:
  Program(TDM& dm, Ui& ui);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  TDM& dm() { return dm_; }
  Ui& ui() { return ui_; }
  QMainWindow* mainWindow() const;

  // The splash window, closed by the main window's show step.
  QWidget* splash = nullptr;

  // Screens, in the order they are created.
  TMainForm* mainForm = nullptr;
  TBrDateForm* dateForm = nullptr;
  TFormFirma* formFirma = nullptr;
  TEvrak_No* evrakNo = nullptr;
  TKimlikGir* kimlikGir = nullptr;
  TPYetki* pYetki = nullptr;
  TServerAdres* serverAdres = nullptr;
  TCarParam* carParam = nullptr;
  TStokFlt* stokFlt = nullptr;
  TDpStokFlt* dpStokFlt = nullptr;
  THesapAra* hesapAra = nullptr;
  THesapPlan* hesapPlan = nullptr;
  THspSil* hspSil = nullptr;
  TCariPlanDok* cariPlanDok = nullptr;
  TAdrAna* adrAna = nullptr;
  TDevir* devir = nullptr;
  TKurAna* kurAna = nullptr;
  TKurGiris* kurGiris = nullptr;
  TFormMhr* formMhr = nullptr;
  TDekont* dekont = nullptr;
  std::unique_ptr<TDekontYaz> dekontYaz;

  // The common report screen of a report; one instance per report, made on first use.
  TReportForm* reportScreen(const ReportDefinition& report);

  // Every screen but the main window.
  const QList<Screen*>& screens() const { return screens_; }
  // Closes every visible screen but the main window.
  void closeOtherWindows();

  // The date picker, started on `start`; nothing when cancelled.
  std::optional<QDate> pickDate(const QDate& start);
  // The account search; the chosen account, nothing when cancelled.
  std::optional<AccountChoice> searchAccount();
  // The document-number prompt: nothing when cancelled or below 1; a text that is no number
  // raises ConversionError (the general error report).
  std::optional<qint64> askDocumentNumber();

 private:
  template <typename T>
  T* make();

  TDM& dm_;
  Ui& ui_;
  std::unique_ptr<TMainForm> main_;
  QList<Screen*> screens_;
  std::map<const ReportDefinition*, TReportForm*> reportScreens_;
};

}  // namespace tolvek
