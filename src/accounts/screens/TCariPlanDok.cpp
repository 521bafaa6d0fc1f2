#include "accounts/screens/TCariPlanDok.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "accounts/ChartReport.h"
#include "app/TDM.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "reports/ReportModel.h"

namespace tolvek {

TCariPlanDok::TCariPlanDok(Program& program)
    : Screen(program, QStringLiteral("TCariPlanDok"), QStringLiteral("Cari Hesap Planı Dökümü ")) {
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaxLength(12);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setMaxLength(12);
  auto* refresh = namedButton(this, "ButYenile", QStringLiteral("Yenile"));
  model_ = new ReportModel(this);
  DBGrid1 = readOnlyGrid(this, "DBGrid1", model_);
  auto* print = namedButton(this, "ButYaz", QStringLiteral("Yazdır"));
  auto* close = namedButton(this, "ButSon", QStringLiteral("Vazgeç"));
  connect(refresh, &QPushButton::clicked, this, &TCariPlanDok::ButYenileClick);
  connect(print, &QPushButton::clicked, this, &TCariPlanDok::ButYazClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* range = new QHBoxLayout;
  range->addWidget(new QLabel(QStringLiteral("İlk Hesap"), this));
  range->addWidget(Edit1);
  range->addWidget(new QLabel(QStringLiteral("Son Hesap"), this));
  range->addWidget(Edit2);
  range->addWidget(refresh);
  range->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(print);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(range);
  layout->addWidget(DBGrid1, 1);
  layout->addLayout(buttons);
  resize(720, 520);
}

void TCariPlanDok::load(const QString& first, const QString& last) {
  BusyCursor busy(ui_);
  output_ = chartOutput(dm_.connection(), first, last);
  model_->setTable(output_.table);
  DBGrid1->setColumnWidth(0, 110);
  DBGrid1->setColumnWidth(1, 300);
  if (model_->rowCount() > 0) DBGrid1->setCurrentIndex(model_->index(0, 0));
  Edit1->setFocus();
}

bool TCariPlanDok::FormShow() {
  Edit1->clear();
  Edit2->clear();
  load({}, {});
  return true;
}

void TCariPlanDok::FormClose() {
  output_ = ReportOutput{};
  model_->setTable(ReportTable());
}

void TCariPlanDok::ButYenileClick() { load(Edit1->text(), Edit2->text()); }

void TCariPlanDok::ButYazClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(chartReport().listing.jobTitle);
  if (!ui_.printDialog(&printer, this)) return;
  printReport(printer, chartReport(), output_);
  if (model_->rowCount() > 0) DBGrid1->setCurrentIndex(model_->index(0, 0));
}

}  // namespace tolvek
