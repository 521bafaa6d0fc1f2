// ISO-8859-9 differs from ISO-8859-1 in six places only; the mapping is kept here rather than asked
// of a codec library so that refusals do not depend on which codecs a machine's Qt was built with.
#include "data/TurkishText.h"

#include <QList>

#include "data/Errors.h"

namespace tolvek::latin5 {

namespace {

struct Swap {
  unsigned char byte;
  char16_t unicode;
};
// The six positions where ISO-8859-9 puts Turkish letters in place of Icelandic ones.
constexpr Swap kSwaps[] = {{0xD0, u'\u011E'}, {0xDD, u'\u0130'}, {0xDE, u'\u015E'},
                           {0xF0, u'\u011F'}, {0xFD, u'\u0131'}, {0xFE, u'\u015F'}};

std::optional<unsigned char> toByte(QChar c) {
  const char16_t u = c.unicode();
  for (const Swap& s : kSwaps) {
    if (s.unicode == u) return s.byte;
  }
  if (u > 0xFF) return std::nullopt;
  for (const Swap& s : kSwaps) {
    if (s.byte == u) return std::nullopt;  // Ð, Ý, Þ, ð, ý, þ have no place in latin5
  }
  return static_cast<unsigned char>(u);
}

QChar fromByte(unsigned char b) {
  for (const Swap& s : kSwaps) {
    if (s.byte == b) return QChar(s.unicode);
  }
  return QChar(static_cast<char16_t>(b));
}

}  // namespace

std::optional<QString> firstUnstorable(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (toByte(c)) continue;
    // An emoji and the like take two UTF-16 units; name the whole character.
    if (c.isHighSurrogate() && i + 1 < text.size()) return text.mid(i, 2);
    return QString(c);
  }
  return std::nullopt;
}

QString unstorableMessage(const QString& character) {
  const uint code = character.toUcs4().value(0);
  return QStringLiteral(
             "\"%1\" karakteri (U+%2) kaydedilemez: Türkçe karakter kümesinde "
             "(ISO-8859-9) bulunmuyor. Lütfen bu karakteri çıkarın.")
      .arg(character, QString::number(code, 16).toUpper().rightJustified(4, QChar('0')));
}

void requireStorable(const QString& text) {
  if (auto c = firstUnstorable(text)) throw InputError(unstorableMessage(*c));
}

QByteArray encode(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar c : text) {
    auto b = toByte(c);
    out.append(b ? static_cast<char>(*b) : '?');
  }
  return out;
}

QString decode(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char b : bytes) out.append(fromByte(static_cast<unsigned char>(b)));
  return out;
}

int compare(const QString& a, const QString& b) {
  const QByteArray x = encode(a);
  const QByteArray y = encode(b);
  const int n = std::min(x.size(), y.size());
  for (int i = 0; i < n; ++i) {
    const auto cx = static_cast<unsigned char>(x[i]);
    const auto cy = static_cast<unsigned char>(y[i]);
    if (cx != cy) return cx < cy ? -1 : 1;
  }
  return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

}  // namespace tolvek::latin5

namespace tolvek {

namespace {
QChar codeUpper(QChar c) {
  switch (c.unicode()) {
    case u'i':
      return QChar(u'\u0130');
    case u'\u00E7':
      return QChar(u'\u00C7');  // ç
    case u'\u011F':
      return QChar(u'\u011E');  // ğ
    case u'\u00F6':
      return QChar(u'\u00D6');  // ö
    case u'\u015F':
      return QChar(u'\u015E');  // ş
    case u'\u00FC':
      return QChar(u'\u00DC');  // ü
    default:
      break;
  }
  if (c >= QChar('a') && c <= QChar('z')) return QChar(c.unicode() - 32);
  return c;
}
}  // namespace

QString turkishCodeUpper(const QString& text) {
  QString out = text;
  for (QChar& c : out) c = codeUpper(c);
  return out;
}

QString turkishFold(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    if (c == QChar(u'\u0130')) {
      c = QChar('i');
    } else if (c == QChar('I')) {
      c = QChar(u'\u0131');
    } else {
      c = c.toLower();
    }
  }
  return out;
}

bool startsWithFolded(const QString& text, const QString& prefix) {
  return turkishFold(text).startsWith(turkishFold(prefix));
}

QChar codeInputKey(QChar c) { return c == QChar(',') ? QChar('.') : codeUpper(c); }

QString codeInput(const QString& text) {
  QString out = text;
  for (QChar& c : out) c = codeInputKey(c);
  return out;
}

}  // namespace tolvek
