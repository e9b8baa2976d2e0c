// SPDX-License-Identifier: MIT
#include "xls/XlsWriter.h"

#include <QSaveFile>

#include "xls/BiffWriter.h"
#include "xls/CompoundFileWriter.h"
#include "xls/Workbook.h"

namespace colorcard {

bool XlsWriter::write(const Workbook& workbook, const QString& path, QByteArray* written) {
    if (path.isEmpty() || workbook.sheetCount() == 0)
        return false;
    CompoundFileWriter container;
    container.addStream(QStringLiteral("Workbook"), BiffWriter::workbookStream(workbook));
    const QByteArray bytes = container.build();
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    if (written)
        *written = bytes;
    return true;
}

}  // namespace colorcard
