// The company parameters card: the firm's single row of tlvka.
#pragma once

#include <QMap>

#include "app/screens/Screen.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tolvek {

class TFormFirma : public Screen {
  Q_OBJECT
 public:
  explicit TFormFirma(Program& program);
  bool FormShow() override;

  QLineEdit* edit(const QString& name) const { return edits_.value(name); }
  QLineEdit* Tarih;
  QComboBox* EdTkus;
  QComboBox* DBComboBox1;
  QLineEdit* DBEdit1;
  QLabel* LabelFrm;

 public slots:
  // Stores the card (update of the first row, or the first row itself) and closes with OK; a
  // date that cannot be read leaves the card open with its values.
  void OkClick();

 private:
  QMap<QString, QLineEdit*> edits_;
};

}  // namespace tolvek
