#include "accounts/screens/AccountPicker.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

#include "app/screens/TextTableModel.h"
#include "app/screens/Widgets.h"
#include "data/TurkishText.h"

namespace tolvek {

AccountPicker::AccountPicker(QWidget* parent, const QStringList& captions,
                             std::function<std::vector<Account>(accounts::Order)> load)
    : QObject(parent), load_(std::move(load)) {
  ComboBox1 = new QComboBox(parent);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->addItems({QStringLiteral("HESAPKOD"), QStringLiteral("TANIM")});
  Edit1 = new QLineEdit(parent);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  model_ = new TextTableModel(captions, this);
  DBGrid1 = readOnlyGrid(parent, "DBGrid1", model_);
  DBGrid1->setColumnWidth(0, 110);
  DBGrid1->setColumnWidth(1, 280);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] {
    reload();
    Edit1->clear();
    Edit1->setFocus();
  });
  connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) {
    // Codes are typed with a point where the keyboard habit puts a comma.
    if (ComboBox1->currentText() == QLatin1String("HESAPKOD") && text.contains(QLatin1Char(','))) {
      const int cursor = Edit1->cursorPosition();
      Edit1->setText(QString(text).replace(QLatin1Char(','), QLatin1Char('.')));
      Edit1->setCursorPosition(cursor);
      return;
    }
    search(text);
  });
  connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &AccountPicker::currentChanged);
  connect(DBGrid1, &QTableView::doubleClicked, this, &AccountPicker::activated);
}

accounts::Order AccountPicker::order() const {
  return ComboBox1->currentText() == QLatin1String("TANIM") ? accounts::Order::Name
                                                            : accounts::Order::Code;
}

void AccountPicker::open() {
  if (ComboBox1->currentIndex() < 0) ComboBox1->setCurrentIndex(0);
  reload();
  Edit1->blockSignals(true);
  Edit1->clear();
  Edit1->blockSignals(false);
  Edit1->setFocus();
}

void AccountPicker::reload() {
  rows_ = load_(order());
  std::vector<QStringList> cells;
  cells.reserve(rows_.size());
  for (const Account& a : rows_) cells.push_back({a.HESAPKOD, a.TANIM, a.TIP});
  model_->setRows(std::move(cells));
  selectRow(0);
}

void AccountPicker::clear() {
  rows_.clear();
  model_->setRows({});
}

int AccountPicker::currentRow() const { return DBGrid1->currentIndex().row(); }

void AccountPicker::selectRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  DBGrid1->setCurrentIndex(model_->index(row, 0));
  DBGrid1->scrollTo(model_->index(row, 0));
}

Account AccountPicker::current() const {
  const int row = currentRow();
  if (row < 0 || row >= static_cast<int>(rows_.size())) return {};
  return rows_[row];
}

void AccountPicker::search(const QString& text) {
  const bool byName = order() == accounts::Order::Name;
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    const QString& field = byName ? rows_[i].TANIM : rows_[i].HESAPKOD;
    if (startsWithFolded(field, text)) {
      selectRow(i);
      return;
    }
  }
}

}  // namespace tolvek
