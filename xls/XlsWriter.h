// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace colorcard {

class Workbook;

// Saves a whole workbook as an .xls (BIFF8) file. The file is replaced only
// once the new one is completely written.
class XlsWriter {
public:
    // written, when given, receives the bytes of the file.
    static bool write(const Workbook& workbook, const QString& path, QByteArray* written = nullptr);
};

}  // namespace colorcard
