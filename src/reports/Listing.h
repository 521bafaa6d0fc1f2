// Printed listings: text drawn line by line in a fixed-pitch font on any paged device (a printer
// or a PDF file), in the character-cell or the page-grid layout.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <vector>

#include "reports/ReportTable.h"

class QPagedPaintDevice;

namespace tolvek {

enum class ListingLayout {
  CharacterCell,  // units from "H" in Courier New; a Part's own header; framed caption band
  PageGrid,       // the page divided into 115 columns and 88 lines
};

// Draws at column c, line n: the top-left corner at (c·w, n·h).
class ListingCanvas {
 public:
  // Character-cell units are measured in Courier New of height numerator·P/70 pixels, bold.
  ListingCanvas(QPagedPaintDevice& device, ListingLayout layout, int unitNumerator = 8);
  ~ListingCanvas();
  ListingCanvas(const ListingCanvas&) = delete;
  ListingCanvas& operator=(const ListingCanvas&) = delete;

  int w() const { return w_; }
  int h() const { return h_; }
  int dpi() const { return dpi_; }
  QPainter& painter() { return painter_; }

  // The layout's font: character cell "Courier New" at numerator·P/70 pixels; page grid a cell
  // one line unit high.
  void useListingFont(int numerator = 8);
  void setBold(bool on);
  void setItalic(bool on);
  void setUnderline(bool on);

  void text(double column, double line, const QString& text);
  // Ends at column c.
  void right(double column, double line, const QString& text);
  // A thin line from column `from` to column `to` just above line n (y = trunc(n·h − 0.09·h)).
  void rule(double from, double to, int line);
  // The framed caption band of the character-cell layout on line n.
  void band(int line, double from = 2, double to = 114);
  void newPage();

 private:
  QPagedPaintDevice& device_;
  ListingLayout layout_;
  QPainter painter_;
  int dpi_ = 72;
  int w_ = 1;
  int h_ = 1;
};

// The rule of every listing: before a row, a new page starts when the line counter has passed
// the limit, unless the row is the last or the next-to-last (they print below the limit).
bool pageBreakBefore(int lineCounter, int lineLimit, int rowPosition, int rowCount);

// A listing declared by a report: captions and fields at their columns.
struct ListingCaption {
  QString text;
  double at;
  Align align = Align::Left;
};

struct ListingField {
  QString column;  // a column of the row table
  double at;
  Align align = Align::Left;
  int line = 0;        // which line of the row (0: the first)
  int precision = 18;  // numbers: grouped, with `decimals` decimals
  int decimals = 2;
  bool onlyAboveZero = false;  // numbers printed only when greater than 0.009
};

struct ListingSpec {
  ListingLayout layout = ListingLayout::PageGrid;
  QString jobTitle;
  int lineLimit = 84;
  std::vector<ListingCaption> captions;
  std::vector<ListingField> fields;
  int linesPerRow = 1;
  bool rowRule = false;  // character cell: a rule under every row
};

// Prints the row table: page header (Label1 + " Sayfa : " + page, then the captions), the rows,
// the page-break rule. An empty table starts and ends the job and prints nothing.
void printListing(QPagedPaintDevice& device, const ListingSpec& listing, const ReportTable& table,
                  const QString& label1);

}  // namespace tolvek
