// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace colorcard {

class Workbook;

// Loads a whole .xls workbook into memory: cells through BiffReader, whose
// reads stay inside their records whatever the file holds; column widths,
// blank cells and the checks that refuse damaged files through BiffScanner.
class XlsReader {
public:
    // Larger files are no exchange workbook; refusing them keeps a wrong
    // choice of file from exhausting memory.
    static constexpr qint64 kMaxFileSize = 256ll * 1024 * 1024;

    // False, with the workbook left empty, when the file is missing,
    // unreadable, encrypted or not a workbook.
    static bool read(const QString& path, Workbook* workbook);
    // The same for a file whose bytes were already read from path; damaged,
    // when given, tells whether a refused file held a workbook stream.
    static bool read(const QString& path, const QByteArray& bytes, Workbook* workbook,
                     bool* damaged = nullptr);
};

}  // namespace colorcard
