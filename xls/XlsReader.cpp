// SPDX-License-Identifier: MIT
#include "xls/XlsReader.h"

#include <QFile>
#include <vector>

#include "xls/BiffReader.h"
#include "xls/BiffScanner.h"
#include "xls/CompoundFileCheck.h"
#include "xls/CompoundFileReader.h"
#include "xls/Workbook.h"

namespace colorcard {

bool XlsReader::read(const QString& path, Workbook* workbook) {
    *workbook = Workbook();
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return false;
    return read(path, file.readAll(), workbook);
}

bool XlsReader::read(const QString&, const QByteArray& bytes, Workbook* workbook, bool* damaged) {
    *workbook = Workbook();
    if (damaged)
        *damaged = false;
    if (bytes.size() > kMaxFileSize)
        return false;

    QByteArray stream;
    if (!CompoundFileReader::readStream(bytes, {QStringLiteral("Workbook"), QStringLiteral("Book")},
                                        &stream))
        return false;
    if (damaged)
        *damaged = true;
    // A directory that other readers would trip over marks a damaged file.
    if (!CompoundFileCheck::directoryReadable(bytes))
        return false;
    std::vector<SheetLayout> layouts;
    if (BiffScanner::scan(stream, &layouts) != BiffScanner::Result::Ok)
        return false;

    Workbook loaded;
    if (!BiffReader::read(stream, &loaded) || loaded.sheetCount() == 0)
        return false;
    for (int i = 0; i < loaded.sheetCount(); ++i) {
        Worksheet& sheet = loaded.sheet(i);
        if (layouts.size() == size_t(loaded.sheetCount())) {
            const SheetLayout& layout = layouts[i];
            for (auto it = layout.columnWidths.constBegin(); it != layout.columnWidths.constEnd();
                 ++it)
                sheet.setColumnWidth(it.key(), it.value());
            // Blank cells count for the used range, as empty texts.
            for (const auto& blank : layout.blanks) {
                if (!sheet.cell(blank.first, blank.second).isValid())
                    sheet.setCell(blank.first, blank.second, QString(QLatin1String("")));
            }
        }
    }
    *workbook = std::move(loaded);
    if (damaged)
        *damaged = false;
    return true;
}

}  // namespace colorcard
