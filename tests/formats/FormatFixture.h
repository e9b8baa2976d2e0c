// SPDX-License-Identifier: MIT
#pragma once

#include <QtTest>

#include "formats/ColorLibrary.h"
#include "formats/ImportCheck.h"
#include "formats/OpenFormats.h"
#include "store/ColorCardStore.h"

using namespace colorcard;

// Colours as a measurement stores them: L*a*b* spread over the meter's range
// and the other values of that L*a*b*, all in the stored form.
inline FormatColor storedColor(const QString& name, int seed) {
    const double L = (seed * 37 % 10001) / 100.0;
    const double a = (seed * 53 % 25601 - 12800) / 100.0;
    const double b = (seed * 71 % 25601 - 12800) / 100.0;
    FormatColor color{name, ImportCheck::derivedTexts(L, a, b)};
    color.values[ColorColumns::LabL] = ColorColumns::format(ColorColumns::LabL, L);
    color.values[ColorColumns::Laba] = ColorColumns::format(ColorColumns::Laba, a);
    color.values[ColorColumns::Labb] = ColorColumns::format(ColorColumns::Labb, b);
    return color;
}

inline QVector<FormatColor> storedColors(int count, int seed, const QString& stem = "Color") {
    QVector<FormatColor> colors;
    colors.reserve(count);
    for (int i = 0; i < count; ++i)
        colors << storedColor(stem + QString::number(seed + i), seed + i);
    return colors;
}

// 46 libraries holding 20000 colours together, Chinese names.
inline FormatLibraries fullLibraries() {
    FormatLibraries libraries;
    int seed = 0;
    for (int k = 0; k < 46; ++k) {
        const int count = 20000 / 46 + (k < 20000 % 46 ? 1 : 0);
        libraries << FormatLibrary{QStringLiteral("色卡库 %1").arg(k + 1),
                                   QStringLiteral("Library %1").arg(k + 1),
                                   storedColors(count, seed, QStringLiteral("颜色"))};
        seed += count;
    }
    return libraries;
}

// Names in several scripts and with the characters each format must protect.
inline FormatLibraries mixedLibraries(bool withQuotes) {
    QVector<FormatColor> colors = storedColors(6, 40, QStringLiteral("深红"));
    colors[0].name = QStringLiteral("深红 Deep-red_1");
    colors[1].name = withQuotes ? QStringLiteral("say \"hi\", 1") : QStringLiteral("a, b; c");
    colors[2].name = QStringLiteral(" padded ");
    colors[3].name = QStringLiteral("#5 'x' é ü");
    colors[4].values[ColorColumns::LChh] = QStringLiteral("359.9");
    colors[4].values[ColorColumns::RgbR] = QStringLiteral("1");  // the meter's, not derived
    colors[5].values[ColorColumns::Labb] = QStringLiteral("-327.68");
    QVector<FormatColor> labOnly = storedColors(3, 900);
    for (FormatColor& color : labOnly)
        for (int v = 3; v < ColorColumns::ValueCount; ++v)
            color.values[v] = QString();
    return {FormatLibrary{QStringLiteral("红色系列"), QStringLiteral("春季新品"), colors},
            FormatLibrary{QStringLiteral("Plain"), QString(), storedColors(25, 300)},
            FormatLibrary{QStringLiteral("Meter"), QStringLiteral("a:b"), labOnly}};
}

// The libraries an import should give back for source: values a file lacks
// are derived, so the source is run through the same preparation.
inline FormatLibraries prepared(FormatLibraries libraries) {
    const FormatError error = ImportCheck::prepare(libraries, QStringLiteral("source"));
    if (error)
        qWarning() << "source not importable:" << error.message(Language::english());
    return libraries;
}

inline void fillStore(ColorCardStore& store, const FormatLibraries& libraries) {
    int number = 1;
    for (const FormatLibrary& library : libraries) {
        const QString id = store.makeLibraryId(number++);
        store.createColorDataTable(id);
        store.insertLibrary(id, QString(), library.name, library.description,
                            QString::number(library.colors.size()));
        store.insertColorDataBatch(id, store.makeColorIds(id, 1, library.colors.size()),
                                   ColorLibraryStore::batchColumns(library));
    }
}

// Compares two models value by value, so a failure names the first difference.
inline bool sameLibraries(const FormatLibraries& actual, const FormatLibraries& expected,
                          const QVector<int>& columns) {
    if (actual.size() != expected.size()) {
        qWarning() << "libraries:" << actual.size() << "expected" << expected.size();
        return false;
    }
    for (int k = 0; k < actual.size(); ++k) {
        const FormatLibrary& a = actual[k];
        const FormatLibrary& e = expected[k];
        if (a.name != e.name || a.description != e.description ||
            a.colors.size() != e.colors.size()) {
            qWarning() << "library" << k << a.name << a.description << a.colors.size() << "expected"
                       << e.name << e.description << e.colors.size();
            return false;
        }
        for (int c = 0; c < a.colors.size(); ++c) {
            if (a.colors[c].name != e.colors[c].name) {
                qWarning() << "colour" << c << a.colors[c].name << "expected" << e.colors[c].name;
                return false;
            }
            for (int v : columns) {
                if (a.colors[c].values.value(v) != e.colors[c].values.value(v)) {
                    qWarning() << e.colors[c].name << ColorColumns::rule(v).header
                               << a.colors[c].values.value(v) << "expected"
                               << e.colors[c].values.value(v);
                    return false;
                }
            }
        }
    }
    return true;
}

inline QVector<int> allColumns() {
    QVector<int> columns;
    for (int v = 0; v < ColorColumns::ValueCount; ++v)
        columns << v;
    return columns;
}

// The value columns a format carries (the others are derived on import).
inline QVector<int> carriedColumns(OpenFormat format) {
    QVector<int> columns = allColumns();
    if (format == OpenFormat::Cgats)
        columns.removeAll(ColorColumns::LChL);
    if (format == OpenFormat::Cxf)
        for (int v : {ColorColumns::LuvL, ColorColumns::Luvu, ColorColumns::Luvv})
            columns.removeAll(v);
    return columns;
}
