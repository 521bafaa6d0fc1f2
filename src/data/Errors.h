// The failures that logic code raises and the refusal value it returns.
#pragma once

#include <QString>
#include <optional>
#include <stdexcept>

namespace tolvek {

// Every failure carries a Turkish text that the general error report shows as it is.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

// The server refused or could not be reached; keeps what we were doing and the server's own words.
class DbError : public Failure {
 public:
  DbError(const QString& doing, const QString& serverMessage)
      : Failure(doing.isEmpty() ? serverMessage : doing + ": " + serverMessage),
        doing_(doing),
        serverMessage_(serverMessage) {}
  const QString& doing() const { return doing_; }
  const QString& serverMessage() const { return serverMessage_; }

 private:
  QString doing_;
  QString serverMessage_;
};

// A typed value that cannot be stored as it is (a character outside the Turkish code page, a text
// too long for its column); raised before any statement runs.
class InputError : public Failure {
 public:
  using Failure::Failure;
};

// A text that is not a number or a date where one is needed.
class ConversionError : public Failure {
 public:
  using Failure::Failure;
};

// A position asked of a rights string that is too short for it.
class RangeError : public Failure {
 public:
  using Failure::Failure;
};

// A rule of the system said no: shown in a message box with its caption, or not at all when silent.
struct Refusal {
  QString caption;
  QString text;
  bool silent = false;

  static Refusal error(const QString& text) { return {QStringLiteral("H A T A"), text, false}; }
  static Refusal warning(const QString& text) { return {QStringLiteral("U Y A R I"), text, false}; }
  static Refusal quiet() { return {QString(), QString(), true}; }
};

using MaybeRefusal = std::optional<Refusal>;

// Message captions of the system.
namespace caption {
inline const QString error = QStringLiteral("H A T A");
inline const QString warning = QStringLiteral("U Y A R I");
inline const QString done = QStringLiteral("MESAJ");
inline const QString info = QStringLiteral("B İ L G İ");
inline const QString confirm = QStringLiteral("O N A Y  !");
inline const QString attention = QStringLiteral("D i k k a t  !");
}  // namespace caption

}  // namespace tolvek
