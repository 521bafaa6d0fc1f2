#include "app/screens/TBrDateForm.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvek {

QString monthTitle(const QDate& date) {
  const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
  return turkish.standaloneMonthName(date.month(), QLocale::LongFormat) + QStringLiteral(", ") +
         QString::number(date.year());
}

TBrDateForm::TBrDateForm(Program& program)
    : Screen(program, QStringLiteral("TBrDateForm"), QStringLiteral("Takvim")) {
  auto button = [this](const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* prevYear = button("ButOnYil", QStringLiteral("<<"), QStringLiteral(" Önceki Yıl "));
  QPushButton* prevMonth =
      button("PrevMonthBtn", QStringLiteral("<"), QStringLiteral(" Önceki Ay "));
  QPushButton* nextMonth =
      button("NextMonthBtn", QStringLiteral(">"), QStringLiteral(" Sonraki Ay "));
  QPushButton* nextYear =
      button("BuySonYil", QStringLiteral(">>"), QStringLiteral(" Sonraki Yıl "));
  TitleLabel = new QLabel(this);
  TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
  TitleLabel->setAlignment(Qt::AlignCenter);
  auto* head = new QHBoxLayout;
  head->addWidget(prevYear);
  head->addWidget(prevMonth);
  head->addWidget(TitleLabel, 1);
  head->addWidget(nextMonth);
  head->addWidget(nextYear);

  Calendar1 = new QCalendarWidget(this);
  Calendar1->setObjectName(QStringLiteral("Calendar1"));
  Calendar1->setNavigationBarVisible(false);
  Calendar1->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
  Calendar1->setFirstDayOfWeek(Qt::Monday);
  Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TBrDateForm::retitle);
  connect(Calendar1, &QCalendarWidget::activated, this, &TBrDateForm::OkBtnClick);

  QPushButton* ok = button("OkBtn", QStringLiteral("&Tamam"), QString());
  ok->setDefault(true);
  QPushButton* cancel = button("CancelBtn", QStringLiteral("&Vazgeç"), QString());
  connect(prevYear, &QPushButton::clicked, this, &TBrDateForm::ButOnYilClick);
  connect(prevMonth, &QPushButton::clicked, this, &TBrDateForm::PrevMonthBtnClick);
  connect(nextMonth, &QPushButton::clicked, this, &TBrDateForm::NextMonthBtnClick);
  connect(nextYear, &QPushButton::clicked, this, &TBrDateForm::BuySonYilClick);
  connect(ok, &QPushButton::clicked, this, &TBrDateForm::OkBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* foot = new QHBoxLayout;
  foot->addStretch(1);
  foot->addWidget(ok);
  foot->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addWidget(Calendar1);
  layout->addLayout(foot);
  setDate(QDate::currentDate());
}

void TBrDateForm::setDate(const QDate& date) {
  Calendar1->setSelectedDate(date);
  Calendar1->setCurrentPage(date.year(), date.month());
  retitle();
}

QDate TBrDateForm::date() const { return Calendar1->selectedDate(); }

void TBrDateForm::step(int months, int years) { setDate(date().addYears(years).addMonths(months)); }

void TBrDateForm::retitle() {
  const QDate d = date();
  if (d.month() != Calendar1->monthShown() || d.year() != Calendar1->yearShown()) {
    Calendar1->setCurrentPage(d.year(), d.month());
  }
  TitleLabel->setText(monthTitle(d));
}

}  // namespace tolvek
