// The address book: one address card per firm, kept with a record navigator.
#pragma once

#include <QMap>
#include <vector>

#include "accounts/Account.h"
#include "app/screens/Screen.h"

class QLineEdit;
class QPushButton;

namespace tolvek {

class TAdrAna : public Screen {
  Q_OBJECT
 public:
  explicit TAdrAna(Program& program);
  bool FormShow() override;
  void FormClose() override;

  enum class Mode { Browse, Edit, Insert };

  // The edit of a column (ADI, KARTON, …) and of a control name (EditFirma, DBEAd1, …).
  QLineEdit* field(const QString& column) const { return byColumn_.value(column); }
  QLineEdit* Edit1;

  Mode mode() const { return mode_; }
  int currentIndex() const { return current_; }
  const std::vector<AddressCard>& cards() const { return cards_; }

 public slots:
  void First() { moveTo(0); }
  void Prior() { moveTo(current_ - 1); }
  void Next() { moveTo(current_ + 1); }
  void Last() { moveTo(static_cast<int>(cards_.size()) - 1); }
  void Insert();
  void Delete();
  void Edit();
  // Stores the card being edited or inserted; false when that was refused.
  bool Post();
  void Cancel();
  void Refresh();
  void ButAraClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void moveTo(int index);
  void showCard();
  AddressCard typed() const;
  void startEditing();
  void reload(int keepIndex);

  QMap<QString, QLineEdit*> byColumn_;
  std::vector<AddressCard> cards_;
  int current_ = -1;
  Mode mode_ = Mode::Browse;
  bool filling_ = false;
};

}  // namespace tolvek
