// SPDX-License-Identifier: MIT
#include "XlsReader.h"

#include <freexl.h>

#include <QFile>
#include <vector>

#include "BiffScanner.h"
#include "CompoundFileCheck.h"
#include "CompoundFileReader.h"
#include "Workbook.h"

namespace {

class FreeXlHandle {
public:
    ~FreeXlHandle() {
        if (handle)
            freexl_close(handle);
    }
    const void* handle = nullptr;
};

bool readSheet(const void* handle, unsigned int index, Worksheet* sheet) {
    if (freexl_select_active_worksheet(handle, static_cast<unsigned short>(index)) != FREEXL_OK)
        return false;
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK)
        return false;
    if (rows > static_cast<unsigned int>(Worksheet::kMaxRows))
        rows = Worksheet::kMaxRows;
    if (columns > Worksheet::kMaxColumns)
        columns = Worksheet::kMaxColumns;
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle, r, c, &value) != FREEXL_OK)
                return false;
            switch (value.type) {
                case FREEXL_CELL_INT:
                    sheet->setCell(static_cast<int>(r), c, double(value.value.int_value));
                    break;
                case FREEXL_CELL_DOUBLE:
                    sheet->setCell(static_cast<int>(r), c, value.value.double_value);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                // Dates and times come as their ISO text.
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    if (value.value.text_value)
                        sheet->setCell(static_cast<int>(r), c,
                                       QString::fromUtf8(value.value.text_value));
                    break;
                default:
                    break;
            }
        }
    }
    return true;
}

}  // namespace

bool XlsReader::read(const QString& path, Workbook* workbook) {
    *workbook = Workbook();
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return false;
    return read(path, file.readAll(), workbook);
}

bool XlsReader::read(const QString& path, const QByteArray& bytes, Workbook* workbook) {
    *workbook = Workbook();
    if (bytes.size() > kMaxFileSize)
        return false;

    QByteArray stream;
    if (!CompoundFileReader::readStream(bytes, {QStringLiteral("Workbook"), QStringLiteral("Book")},
                                        &stream))
        return false;
    // FreeXL reads the container itself; its directory must be sound too.
    if (!CompoundFileCheck::directoryReadable(bytes))
        return false;
    std::vector<SheetLayout> layouts;
    if (BiffScanner::scan(stream, &layouts) != BiffScanner::Result::Ok)
        return false;

    FreeXlHandle xl;
    if (freexl_open(QFile::encodeName(path).constData(), &xl.handle) != FREEXL_OK)
        return false;
    unsigned int info = 0;
    if (freexl_get_info(xl.handle, FREEXL_BIFF_PASSWORD, &info) != FREEXL_OK ||
        info == FREEXL_BIFF_OBFUSCATED)
        return false;
    unsigned int sheets = 0;
    if (freexl_get_info(xl.handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
        return false;

    Workbook loaded;
    for (unsigned int i = 0; i < sheets; ++i) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(xl.handle, static_cast<unsigned short>(i), &name) !=
            FREEXL_OK)
            return false;
        Worksheet& sheet = loaded.addSheet(name ? QString::fromUtf8(name) : QString());
        if (!readSheet(xl.handle, i, &sheet))
            return false;
        // The scan lines up with FreeXL's sheets only when both saw the same list.
        if (layouts.size() == sheets) {
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
    return true;
}
