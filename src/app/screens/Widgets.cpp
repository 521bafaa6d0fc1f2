#include "app/screens/Widgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>

#include "data/Errors.h"
#include "data/Format.h"
#include "data/Schema.h"
#include "data/TurkishText.h"

namespace tolvek {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  emit clicked();
}
void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

ClickEdit::ClickEdit(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }
void ClickEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  emit clicked();
}
void ClickEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 2);
  layout->setSpacing(0);
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(QStringLiteral("%1_%2").arg(title).arg(i));
    layout->addWidget(b);
    buttons_ << b;
    connect(b, &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) emit changed(i);
    });
  }
}

int RadioGroup::itemIndex() const {
  for (int i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->isChecked()) return i;
  }
  return -1;
}

void RadioGroup::setItemIndex(int index) {
  if (index >= 0 && index < buttons_.size()) buttons_[index]->setChecked(true);
}

CodeEdit::CodeEdit(Rule rule, QWidget* parent) : QLineEdit(parent), rule_(rule) {
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    const QString shaped = rule_ == Rule::CodeKeys ? codeInput(text) : turkishCodeUpper(text);
    if (shaped == text) return;
    const int cursor = cursorPosition();
    setText(shaped);
    setCursorPosition(cursor);
  });
}

NumberEdit::NumberEdit(int decimals, bool allowNegative, QWidget* parent)
    : QLineEdit(parent), decimals_(decimals) {
  setAlignment(Qt::AlignRight);
  const QString sign = allowNegative ? QStringLiteral("-?") : QString();
  setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("^%1[0-9.]*(,[0-9]*)?$").arg(sign)), this));
  setValue(0);
}

double NumberEdit::value() const {
  return text().trimmed().isEmpty() ? 0.0 : fmt::parseNumber(text());
}

void NumberEdit::setValue(double value) {
  setText(hasFocus() ? fmt::number(value, 18, decimals_).remove(QChar('.'))
                     : fmt::number(value, 18, decimals_));
}

void NumberEdit::keyPressEvent(QKeyEvent* event) {
  // On the keypad and in habit a point is the decimal mark; here the mark is a comma.
  if (event->text() == QLatin1String(".")) {
    QKeyEvent comma(event->type(), Qt::Key_Comma, event->modifiers(), QStringLiteral(","));
    QLineEdit::keyPressEvent(&comma);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void NumberEdit::focusInEvent(QFocusEvent* event) {
  // Grouping dots would be read back as typed text; edit the plain form.
  setText(QString(text()).remove(QChar('.')));
  QLineEdit::focusInEvent(event);
}

void NumberEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  try {
    setText(fmt::number(value(), 18, decimals_));
  } catch (const ConversionError&) {
    // The text stays as typed; whoever reads the value reports it.
  }
}

QTableView* readOnlyGrid(QWidget* parent, const char* name, QAbstractItemModel* model) {
  auto* grid = new QTableView(parent);
  grid->setObjectName(QLatin1String(name));
  grid->setModel(model);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->verticalHeader()->setDefaultSectionSize(20);
  grid->horizontalHeader()->setStretchLastSection(true);
  return grid;
}

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setToolTip(hint);
  return b;
}

void limitToColumn(QLineEdit* edit, const QString& table, const QString& column) {
  if (const int w = schema::width(table, column); w > 0) edit->setMaxLength(w);
}

}  // namespace tolvek
