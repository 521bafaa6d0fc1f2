// The one document number sequence shared by vouchers, purchase, sales, order and production
// documents (tlvkq.SIRA holds the last number given out).
#pragma once

#include <QtGlobal>

namespace tolvek {

class Connection;

// Takes the next number in one indivisible step and stores it at once; creates the counter row
// (as number 1) when the table is empty. Workstations taking a number at the same moment get
// distinct numbers. Throws DbError.
qint64 takeNextNumber(Connection& connection);

// The last number given out (0 when the counter has no row).
qint64 lastNumber(Connection& connection);

}  // namespace tolvek
