// The command line of tolvek-cli: connection options, the command, its options and words.
#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

#include "data/Connection.h"

namespace tolvek::cli {

// A command line that cannot be run as written; exit status 2.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

class Options {
 public:
  // Splits `args` into the command, its words and "--name value" options (flags take no value).
  static Options parse(const QStringList& args);

  const QString& command() const { return command_; }
  const QStringList& words() const { return words_; }

  bool has(const QString& name) const { return values_.contains(name) || flags_.contains(name); }
  QString value(const QString& name, const QString& fallback = {}) const {
    return values_.value(name, fallback);
  }
  bool flag(const QString& name) const { return flags_.contains(name); }
  std::optional<QDate> date(const QString& name) const;
  std::optional<qint64> whole(const QString& name) const;

  // Refuses every option outside the connection options and `allowed`.
  void allowOnly(const QStringList& allowed) const;

  // Host, port and login: the options, else the workstation settings, else the built-in defaults.
  // The database: --database, else "tlvkd" + --period + --firm, else `fallbackDatabase`, else the
  // one this workstation logged in to last.
  ConnectionSettings connection(const QString& fallbackDatabase = {}) const;
  bool namesDatabase() const;

 private:
  QString command_;
  QStringList words_;
  QMap<QString, QString> values_;
  QSet<QString> flags_;
};

}  // namespace tolvek::cli
