// SPDX-License-Identifier: MIT
#pragma once

// What the simulated meter and the store hold, as comparable lines, and the
// libraries the end-to-end scenarios load into the meter.

#include <QStringList>
#include <QVector>

#include "sim/SimMeter.h"
#include "store/ColorCardStore.h"

using namespace colorcard;

// The demo's samples and a library with Chinese names, as another program
// could have written them into the meter.
inline QVector<SimLibrary> meterLibraries() {
    QVector<SimLibrary> libraries = SimMeter::sampleLibraries();
    libraries.append({QStringLiteral("国标色卡"),
                      QStringLiteral("红色系"),
                      {{QStringLiteral("大红"), 4512, 6230, 4810},
                       {QStringLiteral("玫瑰 01"), 6020, 4105, -505}}});
    return libraries;
}

// Name, description and "name L a b" (hundredths) of every colour on the meter.
inline QStringList describe(const QVector<SimLibrary>& libraries) {
    QStringList lines;
    for (const SimLibrary& library : libraries) {
        lines << library.name + QLatin1Char('/') + library.description;
        for (const SimColour& colour : library.colours)
            lines << QStringLiteral("  %1 %2 %3 %4")
                         .arg(colour.name)
                         .arg(colour.L)
                         .arg(colour.a)
                         .arg(colour.b);
    }
    return lines;
}

// The same from the store.
inline QStringList describe(ColorCardStore& store) {
    QStringList lines;
    for (const Library& library : store.selectLibraries()) {
        lines << library.name + QLatin1Char('/') + library.description;
        for (const Colour& colour : store.selectColours(library.id))
            lines << QStringLiteral("  %1 %2 %3 %4")
                         .arg(colour.name)
                         .arg(qRound(colour.labL.toDouble() * 100))
                         .arg(qRound(colour.laba.toDouble() * 100))
                         .arg(qRound(colour.labb.toDouble() * 100));
    }
    return lines;
}
