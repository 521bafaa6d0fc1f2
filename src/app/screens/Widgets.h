// Small widgets the screens share: clickable labels and read-only date boxes, radio groups, code
// and number edits.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>

class QAbstractItemModel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace tolvek {

// A label that answers clicks and double-clicks (firm labels, captions that act as buttons).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);
 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A read-only line edit that answers clicks and double-clicks (date fields open the date picker).
class ClickEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit ClickEdit(QWidget* parent = nullptr);
 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A titled group of radio buttons with one selected index.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);
  int itemIndex() const;
  void setItemIndex(int index);
  QRadioButton* button(int index) const { return buttons_.value(index); }
 signals:
  void changed(int index);

 private:
  QList<QRadioButton*> buttons_;
};

// A text edit for codes: every character put into it is upper-cased by the Turkish rules, and with
// the code key rule ',' also becomes '.'.
class CodeEdit : public QLineEdit {
  Q_OBJECT
 public:
  enum class Rule { Capitals, CodeKeys };
  explicit CodeEdit(Rule rule = Rule::Capitals, QWidget* parent = nullptr);

 private:
  Rule rule_;
};

// A number edit with a fixed count of decimals, Turkish separators, and '.' typed as ','.
class NumberEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit NumberEdit(int decimals = 2, bool allowNegative = true, QWidget* parent = nullptr);
  // The value typed; an empty edit is 0. Throws ConversionError for a text that is no number.
  double value() const;
  void setValue(double value);
  int decimals() const { return decimals_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int decimals_;
};

// A read-only grid over `model`: whole rows, one selected at a time, compact lines.
QTableView* readOnlyGrid(QWidget* parent, const char* name, QAbstractItemModel* model);

// A push button with its system name, caption and hint.
QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint = {});

// Puts a line edit's maximum length to its column's width.
void limitToColumn(QLineEdit* edit, const QString& table, const QString& column);

}  // namespace tolvek
