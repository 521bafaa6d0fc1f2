// The statement's report file, its printed listing, and its report definition.
#include <QPagedPaintDevice>

#include "accounts/Statement.h"
#include "app/TDM.h"
#include "data/Format.h"
#include "reports/Listing.h"
#include "reports/Report.h"
#include "reports/ReportFile.h"

namespace tolvek {

namespace {

const QString kNumber = QStringLiteral("###,###,###,###,###,###,##0");
const QString kRate = QStringLiteral("###,###,###,###,###,###,##0.0000");
const QString kAmount = QStringLiteral("###,###,###,###,###,###,##0.00");

using reportfile::cell;

QString empties(int n) {
  QString s;
  for (int i = 0; i < n; ++i) s += QStringLiteral("<td></td>");
  return s;
}

QString totalRow(const QString& caption, const QString& debit, const QString& credit) {
  return QStringLiteral("<tr><td></td>") + cell(caption, Align::Center) + empties(4) +
         cell(debit, Align::Right) + cell(credit, Align::Right) + QStringLiteral("<td></td></tr>");
}

QString explanation(const StatementRow& r) { return r.IZAHAT + QLatin1Char(' ') + r.IZAHAT2; }

// The rows of the report file's table, for CSV.
ReportTable fileRows(const Statement& s) {
  ReportTable t({ReportColumn::text("T", 1, {}, "Tip", Align::Center),
                 ReportColumn::text("TARIH", 12, {}, "Tarih", Align::Center),
                 ReportColumn::number("EVRAK", kNumber, {}, "Evrak"),
                 ReportColumn::text("DVZ", 3, {}, "Dvz", Align::Center),
                 ReportColumn::number("HESKUR", kRate, {}, "H.Kuru"),
                 ReportColumn::number("KUR", kRate, {}, "İ.Kuru"),
                 ReportColumn::number("BORC", kAmount, {}, "Borç"),
                 ReportColumn::number("ALACAK", kAmount, {}, "Alacak"),
                 ReportColumn::text("IZAHAT", 81, {}, "Açıklama")});
  auto total = [&](const QString& caption, const Totals& totals) {
    const int r = t.addRow();
    t.set(r, "TARIH", caption);
    for (const char* blank : {"EVRAK", "HESKUR", "KUR"}) t.set(r, blank, QVariant());
    t.set(r, "BORC", static_cast<double>(totals.debit));
    t.set(r, "ALACAK", static_cast<double>(totals.credit));
  };
  if (s.before.debit > 0 || s.before.credit > 0) total(QStringLiteral("Önceki dönem"), s.before);
  for (const StatementRow& row : s.rows) {
    const int r = t.addRow();
    t.set(r, "T", row.T);
    t.set(r, "TARIH", fmt::shortDate(row.TARIH.date()));
    t.set(r, "EVRAK", static_cast<double>(row.EVRAK));
    t.set(r, "DVZ", row.DVZ);
    t.set(r, "HESKUR", row.HESKUR);
    t.set(r, "KUR", row.KUR);
    t.set(r, "BORC", row.BORC);
    t.set(r, "ALACAK", row.ALACAK);
    t.set(r, "IZAHAT", explanation(row));
  }
  if (s.within.debit > 0 || s.within.credit > 0) total(QStringLiteral("Cari dönem"), s.within);
  Totals grand;
  grand.debit = s.before.debit + s.within.debit;
  grand.credit = s.before.credit + s.within.credit;
  total(QString(), grand);
  return t;
}

}  // namespace

namespace statement {

QString html(const Statement& s, bool withGoods) {
  QString h =
      reportfile::head(QStringLiteral("Cari Hesap Dökümü"), QStringLiteral("CARİ HESAP DÖKÜMÜ"),
                       {s.account.HESAPKOD + QStringLiteral(" - ") + s.account.TANIM,
                        QStringLiteral("Bakiye : ") + s.labels.Bakiye});
  for (const char* caption :
       {"Tip", "Tarih", "Evrak", "Dvz", "H.Kuru", "İ.Kuru", "Borç", "Alacak", "Açıklama"}) {
    h += reportfile::headerCell(QString::fromUtf8(caption), Align::Left);
  }
  if (s.before.debit > 0 || s.before.credit > 0) {
    h += totalRow(QStringLiteral("Önceki dönem"), s.labels.EBorc, s.labels.EAlacak);
  }
  for (const StatementRow& r : s.rows) {
    h += QStringLiteral("<tr>") + cell(r.T, Align::Center) +
         cell(fmt::shortDate(r.TARIH.date()), Align::Center) +
         cell(fmt::pattern(static_cast<double>(r.EVRAK), kNumber), Align::Right) +
         cell(r.DVZ, Align::Center) + cell(fmt::pattern(r.HESKUR, kRate), Align::Right) +
         cell(fmt::pattern(r.KUR, kRate), Align::Right) +
         cell(fmt::pattern(r.BORC, kAmount), Align::Right) +
         cell(fmt::pattern(r.ALACAK, kAmount), Align::Right) + cell(explanation(r), Align::Left) +
         QStringLiteral("</tr>");
    if (!withGoods || !hasGoods(r.T)) continue;
    h += QStringLiteral(
        "<tr><td></td><td colspan=5><table border=1 bgcolor=#FFFF00>"
        "<th>Ürün</th><th>Miktar</th><th>Fiyat</th><th>Tutar</th><th>Kdv Tutar</th>");
    const auto it = s.goods.find(r.EVRAK);
    if (it != s.goods.end()) {
      for (const GoodsLine& g : it->second) {
        h += QStringLiteral("<tr>") + cell(g.GrupKodu, Align::Left) +
             cell(fmt::general(g.Miktar), Align::Left) + cell(fmt::general(g.HFiyat), Align::Left) +
             cell(fmt::general(g.Tutar), Align::Left) +
             cell(fmt::general(g.KdvTutar), Align::Left) + QStringLiteral("</tr>");
      }
    }
    h += QStringLiteral("</table></td><td></td><td></td><td></td></tr>");
  }
  if (s.within.debit > 0 || s.within.credit > 0) {
    h += totalRow(QStringLiteral("Cari dönem"), s.labels.DonBor, s.labels.DonAl);
  }
  // The grand-total row opens with its own row tag, so that no reader puts it in the row above.
  h += QStringLiteral("<tr>") + empties(6) + cell(s.labels.Borc, Align::Right) +
       cell(s.labels.Alacak, Align::Right) + QStringLiteral("<td></td></tr>");
  return h + reportfile::tail();
}

void print(QPagedPaintDevice& device, const Statement& s) {
  ListingCanvas c(device, ListingLayout::CharacterCell);
  constexpr int kLimit = 74;
  int line = 1;
  int page = 1;
  auto header = [&] {
    c.useListingFont();  // bold
    c.text(10, 2,
           s.account.HESAPKOD + QStringLiteral(" / ") + s.account.TANIM +
               QStringLiteral(" Cari Hesap Dökümü ") + s.account.TIP);
    c.text(101, 2, QStringLiteral("Sayfa : ") + QString::number(page));
    c.text(10, 3,
           QStringLiteral("Tarih : ") + fmt::shortDate(s.query.end) +
               QStringLiteral("  Bakiye : ") + s.labels.Bakiye);
    c.text(75, 3,
           s.query.byValueDate ? QStringLiteral("Valör Seçimi : VAR")
                               : QStringLiteral("Valör Seçimi : YOK"));
    const int h = c.h();
    c.painter().drawRect(
        QRectF(QPointF(9 * c.w(), 4 * h), QPointF(114 * c.w(), static_cast<int>(4 * h + 2.5 * h))));
    c.text(10, 5, QStringLiteral("Tarih"));
    c.right(34, 5, QStringLiteral("Evrak"));
    c.text(40, 5, QStringLiteral("Dvz"));
    c.right(65, 5, QStringLiteral("H.Kuru"));
    c.right(75, 5, QStringLiteral("İ.Kuru"));
    c.right(93, 5, QStringLiteral("Borç"));
    c.right(111, 5, QStringLiteral("Alacak"));
    c.text(21, 7, fmt::shortDate(s.query.start) + QStringLiteral("  Tarih öncesi"));
    c.right(93, 7, s.labels.EBorc);
    c.right(111, 7, s.labels.EAlacak);
    c.rule(10, 113, 8);
    c.setBold(false);
    line = 9;
  };
  auto newPage = [&] {
    c.newPage();
    ++page;
    line = 1;
  };
  auto amount = [](double v) { return fmt::number(v, 15, 2); };
  const int count = static_cast<int>(s.rows.size());
  for (int i = 0; i < count; ++i) {
    const StatementRow& r = s.rows[i];
    if (pageBreakBefore(line, kLimit, i + 1, count)) newPage();
    if (line == 1) header();
    c.text(10, line, fmt::shortDateTime(r.TARIH));
    c.right(34, line, fmt::number(static_cast<double>(r.EVRAK), 18, 0));
    c.text(35, line, QStringLiteral("- ") + r.T);
    c.text(40, line, r.DVZ);
    // Rates print with their four decimals in full: cutting them to four significant digits
    // would put a wrong rate on paper.
    c.right(65, line, fmt::number(r.HESKUR, 15, 4));
    c.right(75, line, fmt::number(r.KUR, 15, 4));
    if (r.BORC > 0.009) c.right(93, line, amount(r.BORC));
    if (r.ALACAK > 0.009) c.right(111, line, amount(r.ALACAK));
    ++line;
    c.setUnderline(true);
    c.text(21, line, explanation(r));
    c.setUnderline(false);
    ++line;
    if (hasGoods(r.T)) {
      c.setItalic(true);
      const auto it = s.goods.find(r.EVRAK);
      if (it != s.goods.end()) {
        for (const GoodsLine& g : it->second) {
          if (line > kLimit) {
            newPage();
            header();
            c.setItalic(true);
          }
          c.text(10, line, g.GrupKodu);
          c.right(42, line, fmt::number(g.Miktar, 10, 3));
          c.right(52, line, fmt::number(g.HFiyat, 10, 2));
          c.right(65, line, fmt::number(g.Tutar, 12, 2));
          c.right(75, line, fmt::number(g.KdvTutar, 12, 2));
          ++line;
        }
      }
      c.setItalic(false);
    }
    c.rule(10, 113, line);
  }
  c.setBold(true);
  c.text(60, line, QStringLiteral("Dönem Toplamı"));
  c.right(93, line, s.labels.DonBor);
  c.right(111, line, s.labels.DonAl);
  ++line;
  c.rule(10, 113, line);
  c.text(60, line, QStringLiteral("Genel Toplam"));
  c.right(93, line, s.labels.Borc);
  c.right(111, line, s.labels.Alacak);
}

}  // namespace statement

const ReportDefinition& statementReport() {
  static const ReportDefinition report = [] {
    ReportDefinition d;
    d.name = QStringLiteral("statement");
    d.screen = QStringLiteral("TFormMhr");
    d.caption = QStringLiteral("Cari Panel");
    d.parameters = ParameterScreen::None;
    d.title = QStringLiteral("Cari Hesap Dökümü");
    d.heading = QStringLiteral("CARİ HESAP DÖKÜMÜ");
    d.defaultFileName = QStringLiteral("caridokum.xls");
    d.listing.jobTitle = QStringLiteral("Cari Dokum");
    d.compute = [](TDM& dm) {
      const ReportParams& p = dm.report;
      const auto account = accounts::find(dm.connection(), p.account);
      if (!account) throw InputError(QStringLiteral("Hesap kodu bulunamadı: %1").arg(p.account));
      const Statement s = statement::read(
          dm.connection(), *account, {p.account, p.firstDate, p.lastDate, !p.option.isEmpty()});
      ReportOutput out;
      out.table = fileRows(s);
      out.label1 = s.account.HESAPKOD + QStringLiteral(" - ") + s.account.TANIM;
      out.payload = std::make_pair(s, p.withGoods);
      return out;
    };
    d.html = [](const ReportDefinition&, const ReportOutput& out) {
      const auto& [s, withGoods] = std::any_cast<const std::pair<Statement, bool>&>(out.payload);
      return statement::html(s, withGoods);
    };
    d.print = [](QPagedPaintDevice& device, const ReportDefinition&, const ReportOutput& out) {
      statement::print(device, std::any_cast<const std::pair<Statement, bool>&>(out.payload).first);
    };
    return d;
  }();
  return report;
}

}  // namespace tolvek
