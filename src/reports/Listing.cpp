#include "reports/Listing.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>

#include "data/Errors.h"
#include "data/Format.h"

namespace tolvek {

namespace {
QFont courier(int pixelSize, bool bold) {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPixelSize(std::max(1, pixelSize));
  f.setBold(bold);
  return f;
}
}  // namespace

ListingCanvas::ListingCanvas(QPagedPaintDevice& device, ListingLayout layout, int unitNumerator)
    : device_(device), layout_(layout) {
  if (!painter_.begin(&device_)) {
    throw Failure(QStringLiteral("Yazdırma başlatılamadı."));
  }
  dpi_ = device_.logicalDpiY();
  if (layout_ == ListingLayout::CharacterCell) {
    const QFont f = courier(unitNumerator * dpi_ / 70, true);
    const QFontMetrics m(f, &device_);
    w_ = m.horizontalAdvance(QLatin1Char('H'));
    h_ = static_cast<int>(m.height() * 1.1);
  } else {
    w_ = device_.width() / 115;
    h_ = device_.height() / 88;
  }
  useListingFont(unitNumerator);
}

ListingCanvas::~ListingCanvas() {
  if (painter_.isActive()) painter_.end();
}

void ListingCanvas::useListingFont(int numerator) {
  if (layout_ == ListingLayout::CharacterCell) {
    painter_.setFont(courier(numerator * dpi_ / 70, true));
  } else {
    // −(72·h) ÷ P points: a character cell one line unit high.
    const int points = 72 * h_ / dpi_;
    painter_.setFont(courier(points * dpi_ / 72, false));
  }
}

void ListingCanvas::setBold(bool on) {
  QFont f = painter_.font();
  f.setBold(on);
  painter_.setFont(f);
}

void ListingCanvas::setItalic(bool on) {
  QFont f = painter_.font();
  f.setItalic(on);
  painter_.setFont(f);
}

void ListingCanvas::setUnderline(bool on) {
  QFont f = painter_.font();
  f.setUnderline(on);
  painter_.setFont(f);
}

void ListingCanvas::text(double column, double line, const QString& text) {
  const QFontMetrics m(painter_.font(), &device_);
  painter_.drawText(QPointF(column * w_, line * h_ + m.ascent()), text);
}

void ListingCanvas::right(double column, double line, const QString& text) {
  const QFontMetrics m(painter_.font(), &device_);
  painter_.drawText(QPointF(column * w_ - m.horizontalAdvance(text), line * h_ + m.ascent()), text);
}

void ListingCanvas::rule(double from, double to, int line) {
  const int y = static_cast<int>(line * h_ - 0.09 * h_);
  painter_.drawLine(QPointF(from * w_, y), QPointF(to * w_, y));
}

void ListingCanvas::band(int line, double from, double to) {
  const int top = line * h_;
  const int bottom = static_cast<int>(line * h_ + 2.5 * h_);
  painter_.drawRect(QRectF(QPointF(from * w_, top), QPointF(to * w_, bottom)));
}

void ListingCanvas::newPage() { device_.newPage(); }

bool pageBreakBefore(int lineCounter, int lineLimit, int rowPosition, int rowCount) {
  return lineCounter > lineLimit && rowPosition < rowCount - 1;
}

void printListing(QPagedPaintDevice& device, const ListingSpec& listing, const ReportTable& table,
                  const QString& label1) {
  ListingCanvas c(device, listing.layout);
  const bool cells = listing.layout == ListingLayout::CharacterCell;
  int line = 1;
  int page = 1;
  auto header = [&] {
    c.useListingFont();
    if (cells) {
      c.setBold(true);
      c.text(1, 1, label1 + QStringLiteral(" Sayfa : ") + QString::number(page));
      c.band(2);
      for (const ListingCaption& k : listing.captions) {
        k.align == Align::Right ? c.right(k.at, 3, k.text) : c.text(k.at, 3, k.text);
      }
      c.setBold(false);
      line = 5;
    } else {
      c.text(1, line, label1 + QStringLiteral(" Sayfa : ") + QString::number(page));
      line += 2;
      for (const ListingCaption& k : listing.captions) {
        k.align == Align::Right ? c.right(k.at, line, k.text) : c.text(k.at, line, k.text);
      }
      line += 2;
    }
  };
  for (int r = 0; r < table.rowCount(); ++r) {
    if (pageBreakBefore(line, listing.lineLimit, r + 1, table.rowCount())) {
      c.newPage();
      ++page;
      line = 1;
    }
    if (line == 1) header();
    for (const ListingField& f : listing.fields) {
      const int col = table.columnIndex(f.column);
      const ReportColumn& rc = table.column(col);
      QString text;
      if (rc.type == ReportColumn::Type::Float) {
        const double v = table.value(r, col).toDouble();
        if (f.onlyAboveZero && v <= 0.009) continue;
        text = fmt::number(v, f.precision, f.decimals);
      } else {
        text = table.displayText(r, col);
      }
      f.align == Align::Right ? c.right(f.at, line + f.line, text)
                              : c.text(f.at, line + f.line, text);
    }
    line += listing.linesPerRow;
    if (listing.rowRule) c.rule(2, 113, line);
  }
}

}  // namespace tolvek
