// SPDX-License-Identifier: MIT
#include "formats/OpenFormats.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <limits>

#include "formats/CgatsFormat.h"
#include "formats/CsvFormat.h"
#include "formats/CxfFormat.h"
#include "texts/FormatTexts.h"

namespace colorcard {

namespace OpenFormats {

OpenFormat forFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return OpenFormat::Csv;
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("cgats") ||
        suffix == QLatin1String("it8"))
        return OpenFormat::Cgats;
    if (suffix == QLatin1String("cxf"))
        return OpenFormat::Cxf;
    return OpenFormat::Unknown;
}

OpenFormat fromName(const QString& text) {
    const QString lower = text.toLower();
    if (lower == QLatin1String("csv"))
        return OpenFormat::Csv;
    if (lower == QLatin1String("cgats"))
        return OpenFormat::Cgats;
    if (lower == QLatin1String("cxf"))
        return OpenFormat::Cxf;
    return OpenFormat::Unknown;
}

QString name(OpenFormat format) {
    switch (format) {
        case OpenFormat::Csv:
            return QStringLiteral("CSV");
        case OpenFormat::Cgats:
            return QStringLiteral("CGATS.17");
        case OpenFormat::Cxf:
            return QStringLiteral("CxF3");
        case OpenFormat::Unknown:
            break;
    }
    return QString();
}

QString suffix(OpenFormat format) {
    switch (format) {
        case OpenFormat::Csv:
            return QStringLiteral("csv");
        case OpenFormat::Cgats:
            return QStringLiteral("txt");
        case OpenFormat::Cxf:
            return QStringLiteral("cxf");
        case OpenFormat::Unknown:
            break;
    }
    return QString();
}

QStringList dialogFilters(const Language& language) {
    return {FormatText::CsvFilter.in(language), FormatText::CgatsFilter.in(language),
            FormatText::CxfFilter.in(language)};
}

OpenFormat forFilter(const QString& filter) {
    const OpenFormat formats[] = {OpenFormat::Csv, OpenFormat::Cgats, OpenFormat::Cxf};
    for (const Language& language : {Language::english(), Language::chinese()}) {
        const QStringList filters = dialogFilters(language);
        for (int i = 0; i < filters.size(); ++i)
            if (filters.at(i) == filter)
                return formats[i];
    }
    return OpenFormat::Unknown;
}

qint64 maxImportSize(OpenFormat format, const ImportLimits& limits) {
    if (format != OpenFormat::Csv && format != OpenFormat::Cgats)
        return kMaxFileSize;
    return qMin(kMaxFileSize, (qint64(qMax(0, limits.maxColors)) + kExtraLines) * kMaxLineBytes);
}

namespace {

// The whole file, or an error: larger than maxSize, or (maxLines > 0) more
// lines than that, found while reading, before the rest is read.
FormatError readBytes(const QString& path, qint64 maxSize, qint64 maxLines, qint64 colours,
                      QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FormatError::make(FormatError::CannotOpen, path);
    if (file.size() > maxSize) {
        FormatError error = FormatError::make(FormatError::TooLarge, path);
        error.limit = maxSize;
        return error;
    }
    if (maxLines <= 0) {
        bytes = file.readAll();
    } else {
        constexpr qint64 kChunk = 1 << 20;
        qint64 lines = 1;
        bytes.reserve(int(qMin(file.size(), maxSize)));
        while (!file.atEnd()) {
            const QByteArray chunk = file.read(kChunk);
            if (chunk.isEmpty())
                break;
            lines += chunk.count('\n');
            if (lines > maxLines + 1) {
                FormatError error = FormatError::make(FormatError::TooManyLines, path);
                error.limit = maxLines;
                error.line = int(qMin<qint64>(lines, std::numeric_limits<int>::max()));
                error.count = colours;
                bytes.clear();
                return error;
            }
            bytes.append(chunk);
            // Grown since it was opened: held to the same bound.
            if (bytes.size() > maxSize) {
                FormatError error = FormatError::make(FormatError::TooLarge, path);
                error.limit = maxSize;
                bytes.clear();
                return error;
            }
        }
    }
    if (file.error() != QFileDevice::NoError)
        return FormatError::make(FormatError::CannotOpen, path);
    return FormatError();
}

FormatError parse(const QString& path, OpenFormat format, const QByteArray& bytes,
                  FormatLibraries& libraries);

}  // namespace

FormatError read(const QString& path, OpenFormat format, FormatLibraries& libraries) {
    libraries.clear();
    if (format == OpenFormat::Unknown)
        return FormatError::make(FormatError::UnknownType, path);
    QByteArray bytes;
    const FormatError error = readBytes(path, kMaxFileSize, 0, 0, bytes);
    if (error)
        return error;
    return parse(path, format, bytes, libraries);
}

namespace {

FormatError parse(const QString& path, OpenFormat format, const QByteArray& bytes,
                  FormatLibraries& libraries) {
    const QString defaultLibrary = QFileInfo(path).completeBaseName();
    FormatError error;
    switch (format) {
        case OpenFormat::Csv:
            error = CsvFormat::read(bytes, path, defaultLibrary, libraries);
            break;
        case OpenFormat::Cgats:
            error = CgatsFormat::read(bytes, path, defaultLibrary, libraries);
            break;
        case OpenFormat::Cxf:
            error = CxfFormat::read(bytes, path, defaultLibrary, libraries);
            break;
        case OpenFormat::Unknown:
            break;
    }
    if (error) {
        error.file = path;
        libraries.clear();
    }
    return error;
}

}  // namespace

FormatError import(const QString& path, OpenFormat format, const ImportLimits& limits,
                   FormatLibraries& libraries) {
    libraries.clear();
    if (format == OpenFormat::Unknown)
        return FormatError::make(FormatError::UnknownType, path);
    // Refused as soon as a limit is passed, not after reading it all.
    const bool lines = format == OpenFormat::Csv || format == OpenFormat::Cgats;
    QByteArray bytes;
    FormatError error = readBytes(path, maxImportSize(format, limits),
                                  lines ? qint64(qMax(0, limits.maxColors)) + kExtraLines : 0,
                                  limits.maxColors, bytes);
    if (!error)
        error = parse(path, format, bytes, libraries);
    if (!error)
        error = ImportCheck::prepare(libraries, path, limits);
    if (error)
        libraries.clear();
    return error;
}

FormatError write(const QString& path, OpenFormat format, const FormatLibraries& libraries,
                  const FormatWriteOptions& options) {
    QByteArray bytes;
    FormatError error;
    switch (format) {
        case OpenFormat::Csv:
            bytes = CsvFormat::write(libraries, options);
            break;
        case OpenFormat::Cgats:
            error = CgatsFormat::write(libraries, options, bytes);
            break;
        case OpenFormat::Cxf:
            error = CxfFormat::write(libraries, options, bytes);
            break;
        case OpenFormat::Unknown:
            return FormatError::make(FormatError::UnknownType, path);
    }
    if (error) {
        error.file = path;
        return error;
    }
    return save(path, bytes);
}

FormatError save(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return FormatError::make(FormatError::CannotWrite, path);
    return FormatError();
}

}  // namespace OpenFormats

}  // namespace colorcard
