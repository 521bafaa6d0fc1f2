// The Turkish single-byte code page (ISO-8859-9), code upper-casing and byte-order code comparison.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tolvek::latin5 {

// The first character of `text` that ISO-8859-9 cannot hold, if any (two UTF-16 units for an
// emoji).
std::optional<QString> firstUnstorable(const QString& text);

// The Turkish message that refuses such a character; names the character and its code point.
QString unstorableMessage(const QString& character);

// Throws InputError when `text` holds a character the tables cannot store.
void requireStorable(const QString& text);

// ISO-8859-9 bytes of `text`; a character outside the code page becomes '?', so callers that must
// not lose text check with requireStorable first.
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// Compares two codes as the server's latin5_bin collation does: byte by byte in ISO-8859-9.
int compare(const QString& a, const QString& b);

}  // namespace tolvek::latin5

namespace tolvek {

// Upper case by the Turkish rules used for codes: i → İ, ç ğ ö ş ü → Ç Ğ Ö Ş Ü, a..z → A..Z;
// ı stays as it is, and so does every other character.
QString turkishCodeUpper(const QString& text);

// Folds case by the Turkish rules (İ → i, I → ı, then ordinary lower case), for searches that
// ignore letter case.
QString turkishFold(const QString& text);

// True when `text` starts with `prefix`, letter case ignored by the Turkish rules.
bool startsWithFolded(const QString& text, const QString& prefix);

// The key mapping of code fields: the upper-casing above and ',' → '.'.
QChar codeInputKey(QChar c);
QString codeInput(const QString& text);

}  // namespace tolvek
