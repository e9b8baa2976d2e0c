// SPDX-License-Identifier: MIT
// Writes the template workbooks that a save copies: "ColorCard_1.xls" with
// room for 9 libraries and "ColorCard_2.xls" with room for 46, each a library
// sheet followed by one data sheet per library.

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "xls/Workbook.h"
#include "xls/XlsWriter.h"

using namespace colorcard;

namespace {

int chars(int count) {
    return count * 256;
}

Workbook templateWorkbook(int libraries) {
    Workbook workbook;
    // Library sheet: name, description, colour count, data and information
    // check codes; below them the colour list of name, L, a, b.
    Worksheet& libraryList = workbook.addSheet(QStringLiteral("Libraries"));
    const int libraryWidths[] = {24, 32, 12, 14, 14};
    for (int c = 0; c < 5; ++c)
        libraryList.setColumnWidth(c, chars(libraryWidths[c]));
    for (int k = 1; k <= libraries; ++k) {
        // Data sheet: the colour name, then nineteen values.
        Worksheet& data = workbook.addSheet(QStringLiteral("Library %1").arg(k));
        data.setColumnWidth(0, chars(24));
        for (int c = 1; c < 20; ++c)
            data.setColumnWidth(c, chars(10));
    }
    return workbook;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: colorcard_templates <output directory>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* file;
        int libraries;
    } templates[] = {{"ColorCard_1.xls", 9}, {"ColorCard_2.xls", 46}};
    for (const auto& t : templates) {
        const QString path = dir.filePath(QLatin1String(t.file));
        if (!XlsWriter::write(templateWorkbook(t.libraries), path)) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
