#pragma once

#include <QString>

class Workbook;

// Saves a whole workbook as an .xls (BIFF8) file. The file is replaced only
// once the new one is completely written.
class XlsWriter {
public:
    static bool write(const Workbook& workbook, const QString& path);
};
