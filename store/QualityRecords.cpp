// SPDX-License-Identifier: MIT
#include "store/QualityRecords.h"

#include <QSaveFile>
#include <QStringList>

#include "colour/ColourDifference.h"
#include "store/CsvCell.h"
#include "texts/QcTexts.h"

namespace colorcard {

namespace {

QString decimal(double value) {
    return QString::number(value, 'f', 4);
}

}  // namespace

std::optional<Lot> QualityRecords::findLot(const QString& name) {
    const auto all = lots();
    if (!all)
        return std::nullopt;
    for (const Lot& lot : *all)
        if (lot.name == name.trimmed())
            return lot;
    return std::nullopt;
}

std::optional<QVector<HistoryEntry>> QualityRecords::history(int limit, const QString& libraryId) {
    HistoryFilter filter;
    filter.limit = limit;
    filter.libraryId = libraryId;
    return history(filter);
}

QByteArray QualityRecords::historyCsv(const QVector<HistoryEntry>& newestFirst,
                                      const Language& language) {
    using namespace QcText;
    const BilingualText header[] = {
        ColumnTime,      ColumnMeter,      ColumnLibrary,    ColumnStandard,   ColumnStandardL,
        ColumnStandardA, ColumnStandardB,  ColumnSampleL,    ColumnSampleA,    ColumnSampleB,
        ColumnReadings,  ColumnDeviationL, ColumnDeviationA, ColumnDeviationB, ColumnDeltaL,
        ColumnDeltaA,    ColumnDeltaB,     ColumnDeltaE,     ColumnFormula,    ColumnLimit,
        ColumnResult};
    QStringList lines;
    QStringList fields;
    for (const BilingualText& text : header)
        fields << CsvCell::field(text.in(language));
    lines << fields.join(QLatin1Char(','));
    for (int i = newestFirst.size() - 1; i >= 0; --i) {
        const HistoryEntry& e = newestFirst.at(i);
        fields = QStringList{
            e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            e.meterNumber,
            e.libraryName,
            e.colourName,
            decimal(e.standard.L),
            decimal(e.standard.a),
            decimal(e.standard.b),
            decimal(e.sample.L),
            decimal(e.sample.a),
            decimal(e.sample.b),
            QString::number(e.readings),
            decimal(e.deviation.L),
            decimal(e.deviation.a),
            decimal(e.deviation.b),
            decimal(e.sample.L - e.standard.L),
            decimal(e.sample.a - e.standard.a),
            decimal(e.sample.b - e.standard.b),
            decimal(e.deltaE),
            e.toleranceKnown ? formulaLabel(e.tolerance.method, language)
                             : ToleranceUnknown.in(language),
            e.toleranceKnown ? decimal(e.tolerance.limit) : ToleranceUnknown.in(language),
            verdictWord(e.judged(), language)};
        for (QString& field : fields)
            field = CsvCell::field(field);
        lines << fields.join(QLatin1Char(','));
    }
    // The byte-order mark tells spreadsheet programs the file is UTF-8.
    return "\xEF\xBB\xBF" + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

bool QualityRecords::exportHistoryCsv(const QString& path, const Language& language) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(path), file.errorString());
    const auto entries = history();
    if (!entries) {
        file.cancelWriting();
        return false;
    }
    const QByteArray bytes = historyCsv(*entries, language);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return fail(QStringLiteral("cannot write %1").arg(path), file.errorString());
    }
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1").arg(path), file.errorString());
    return true;
}

}  // namespace colorcard
