// SPDX-License-Identifier: MIT
#include "workflow/LibraryFiles.h"

#include <QFileInfo>
#include <QStringList>

namespace colorcard {

namespace LibraryFiles {

QString workbookFilter() {
    return QStringLiteral("Excel (*.xls)");
}

QString dialogFilters(const Language& language) {
    return (QStringList{workbookFilter()} + OpenFormats::dialogFilters(language))
        .join(QStringLiteral(";;"));
}

OpenFormat typeOf(const QString& fileName, const QString& selectedFilter) {
    if (QFileInfo(fileName).suffix().compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0)
        return OpenFormat::Unknown;
    const OpenFormat bySuffix = OpenFormats::forFile(fileName);
    return bySuffix != OpenFormat::Unknown ? bySuffix : OpenFormats::forFilter(selectedFilter);
}

QString withSuffix(const QString& fileName, OpenFormat format) {
    if (format == OpenFormat::Unknown || OpenFormats::forFile(fileName) == format)
        return fileName;
    return fileName + QLatin1Char('.') + OpenFormats::suffix(format);
}

}  // namespace LibraryFiles

}  // namespace colorcard
