// post: cards and documents as JSON, posted as their screens post them.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include "cli/Commands.h"
#include "cli/PostKinds.h"

namespace tolvek::cli {

namespace {

// One object, an array of objects, or one object per line.
QList<QJsonObject> readObjects(const QByteArray& text) {
  QList<QJsonObject> out;
  QJsonParseError error;
  const QJsonDocument whole = QJsonDocument::fromJson(text, &error);
  if (error.error == QJsonParseError::NoError) {
    if (whole.isObject()) return {whole.object()};
    for (const QJsonValue& v : whole.array()) {
      if (!v.isObject())
        throw UsageError(QStringLiteral("Dizideki her öğe bir JSON nesnesi olmalı."));
      out << v.toObject();
    }
    return out;
  }
  int lineNo = 0;
  for (const QByteArray& line : text.split('\n')) {
    ++lineNo;
    if (line.trimmed().isEmpty()) continue;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
      throw UsageError(QStringLiteral("Satır %1 bir JSON nesnesi değil: %2")
                           .arg(lineNo)
                           .arg(error.errorString()));
    }
    out << doc.object();
  }
  return out;
}

}  // namespace

int post(const Options& o, Io io) {
  o.allowOnly({});
  if (o.words().size() > 1) throw UsageError(QStringLiteral("post tek bir dosya alır."));
  const QString source = o.words().value(0, QStringLiteral("-"));
  QByteArray text;
  if (source == QLatin1String("-")) {
    text = io.in.readAll().toUtf8();
  } else {
    QFile f(source);
    if (!f.open(QIODevice::ReadOnly)) {
      throw UsageError(QStringLiteral("Dosya okunamadı: %1").arg(source));
    }
    text = f.readAll();
  }
  const QList<QJsonObject> objects = readObjects(text);
  const auto dm = openSession(o.connection());
  for (int i = 0; i < objects.size(); ++i) {
    const QString kind = objects[i].value(QStringLiteral("kind")).toString();
    auto refuse = [&](const QString& text) {
      io.err << QStringLiteral("%1. nesne (%2): %3\n").arg(i).arg(kind, text);
      return Refused;
    };
    const auto fn = postKind(kind);
    if (!fn) return refuse(QStringLiteral("Bilinmeyen kayıt türü \"%1\"").arg(kind));
    try {
      const Posted p = (*fn)(*dm, Fields(objects[i]));
      if (p.refusal) return refuse(p.refusal->text);
      io.out << kind << ' ' << p.key << '\n';
      io.out.flush();
    } catch (const Failure& e) {
      return refuse(e.text());
    }
  }
  return Done;
}

}  // namespace tolvek::cli
