// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace colorcard {

class Workbook;

// Reads the sheet names and cell values of a BIFF8 (or BIFF5) workbook
// stream. Every read is bounded by the record it belongs to, so that no
// stream, however damaged, makes it read outside the bytes it was given.
//
// Cells come as FreeXL gave them: numbers (RK, MULRK, NUMBER, BOOLERR and
// the cached value of a FORMULA) as doubles, texts (LABELSST, LABEL,
// RSTRING, a FORMULA's STRING) as QStrings, numbers formatted as dates or
// times as their ISO text; only cells inside the sheet's DIMENSIONS count.
namespace BiffReader {

// False, with the workbook left as it was, when the stream is no workbook
// or one of its records cannot be read.
bool read(const QByteArray& stream, Workbook* workbook);

}  // namespace BiffReader

}  // namespace colorcard
