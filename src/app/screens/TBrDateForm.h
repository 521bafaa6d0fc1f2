// The date picker every date field uses: a month calendar with month and year steps.
#pragma once

#include <QDate>

#include "app/screens/Screen.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace tolvek {

class TBrDateForm : public Screen {
  Q_OBJECT
 public:
  explicit TBrDateForm(Program& program);

  void setDate(const QDate& date);
  QDate date() const;

  QCalendarWidget* Calendar1;
  QLabel* TitleLabel;

 public slots:
  void PrevMonthBtnClick() { step(-1, 0); }
  void NextMonthBtnClick() { step(1, 0); }
  void ButOnYilClick() { step(0, -1); }
  void BuySonYilClick() { step(0, 1); }
  void OkBtnClick() { accept(); }

 private:
  // Keeps the day where the new month has it, else its last day.
  void step(int months, int years);
  void retitle();
};

// "Ocak, 2000": the month's Turkish name and the four-digit year.
QString monthTitle(const QDate& date);

}  // namespace tolvek
