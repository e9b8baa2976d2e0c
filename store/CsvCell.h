// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace colorcard {

// One cell of the CSV files the program writes (libraries, QC history), and
// read back. A spreadsheet program takes a cell beginning with =, +, -, @,
// a tab or a carriage return for a formula; such a cell gets a leading
// apostrophe, which spreadsheet programs hide and the import takes off
// again, so that a round trip gives back the exact text. Numbers such as
// -12.5 stay as they are.
namespace CsvCell {

// The text with the guard when it needs one, not quoted.
QString guarded(const QString& text);
// The cell as written: guarded, and quoted (RFC 4180) when it holds a comma,
// a quote or a line break, or begins or ends with a space.
QString field(const QString& text);
// A cell's text as read (after unquoting) without the guard field() added.
QString unguarded(const QString& text);

}  // namespace CsvCell

}  // namespace colorcard
