// Positions are millimetres from the top-left corner inside the margins, as the paper forms the
// firm prints on expect them.
#include "vouchers/VoucherPrint.h"

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include "app/Company.h"
#include "data/Errors.h"

namespace tolvek {

namespace {

class Page {
 public:
  explicit Page(QPagedPaintDevice& device) : device_(device) {
    if (!painter_.begin(&device_)) throw Failure(QStringLiteral("Yazdırma başlatılamadı."));
    dpi_ = device_.logicalDpiX();
  }
  ~Page() { painter_.end(); }

  double px(double mm) const { return mm * dpi_ / 25.4; }

  // `points`: 10, 14 or 16; everything but the plain 10 pt is bold in this layout.
  void text(double top, double left, const QString& text, int points = 10, bool bold = false,
            double width = 0) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    f.setBold(bold);
    painter_.setFont(f);
    const int flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip |
                      (width > 0 ? Qt::AlignRight : Qt::AlignLeft);
    const double w = width > 0 ? px(width) : px(200);
    painter_.drawText(QRectF(px(left), px(top), w, px(12)), flags, text);
  }

  // A horizontal rule `pixels` thick at 96 dots per inch.
  void rule(double top, double left, double width, int pixels) {
    QPen pen(Qt::black);
    pen.setWidthF(pixels * dpi_ / 96.0);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(px(left), px(top)), QPointF(px(left + width), px(top)));
  }

 private:
  QPagedPaintDevice& device_;
  QPainter painter_;
  int dpi_ = 72;
};

}  // namespace

void paintVoucher(QPagedPaintDevice& device, const VoucherPage& v, const Company& c) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
  Page p(device);
  p.text(1.3, 0, c.FIRMAADI, 14, true);
  p.text(8.2, 1.3, QStringLiteral("Evrak No : "), 10, true);
  p.text(8.2, 20.9, v.number, 10, true);
  p.text(8.2, 132.3, QStringLiteral("Tel : "));
  p.text(8.2, 143.9, c.TELEFON1);
  p.text(13.2, 144.2, c.TELEFON2);
  p.text(16.7, 0.8, c.ADRES1);
  p.text(19.3, 131.2, QStringLiteral("Fax : "));
  p.text(19.1, 144.5, c.FAX);
  p.text(22.0, 1.1, c.ADRES2);
  p.text(26.5, 127.5, QStringLiteral("E-Mail : "));
  p.text(26.2, 144.7, c.EMAIL);
  p.text(27.3, 1.3, c.POSTA);
  p.text(27.3, 15.3, c.SEHIR);
  p.rule(32.0, 0, 189.2, 2);
  p.text(34.4, 147.9, QStringLiteral("Tarih : "), 10, true);
  p.text(34.1, 163.0, v.date, 10, true, 25.1);
  p.text(36.2, 9.3, v.title, 16, true, 67.5);
  p.text(36.2, 77.8, QStringLiteral("CARİ İŞLEM DEKONTU"), 16, true);
  p.text(40.2, 147.9, QStringLiteral("Valör : "), 10, true);
  p.text(40.2, 163.5, v.valueDate, 10, true, 25.1);
  p.rule(46.3, 0.5, 189.2, 2);
  p.text(51.1, 2.1, QStringLiteral("Borçlu Hesap    :"), 10, true);
  p.text(51.3, 32.0, v.debitName);
  p.text(59.5, 136.8, v.debitAmount, 10, true, 38.4);
  p.text(59.5, 175.9, v.debitCurrency, 10, true);
  p.text(60.3, 64.8, v.debitRate, 10, false, 35.5);
  p.text(60.6, 32.0, v.debitCode);
  p.rule(65.9, 0.3, 189.2, 1);
  p.text(70.1, 2.1, QStringLiteral("Alacaklı Hesap :"), 10, true);
  p.text(70.4, 32.0, v.creditName);
  p.text(77.3, 137.8, v.creditAmount, 10, true, 37.3);
  p.text(77.3, 175.9, v.creditCurrency, 10, true);
  p.text(78.3, 65.9, v.creditRate, 10, false, 34.1);
  p.text(78.3, 32.0, v.creditCode);
  p.rule(84.7, 0.3, 189.2, 1);
  p.text(87.8, 10.6, QStringLiteral("Açıklama :"), 10, true);
  p.text(88.1, 31.5, v.explanations[0]);
  p.text(93.9, 31.5, v.explanations[1]);
  p.text(99.0, 31.5, v.explanations[2]);
  p.text(104.2, 31.5, v.explanations[3]);
  p.rule(108.5, 0.3, 189.2, 2);
}

}  // namespace tolvek
