// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include "store/ColorCardStore.h"

namespace colorcard {

// Libraries written through the window's own store, for tests of what reads
// them beside it. Each colour: identifier, name, L*, a*, b* (other values "0").
struct SampleColour {
    const char* id;
    const char* name;
    const char* L;
    const char* a;
    const char* b;
};

inline void addSampleLibrary(ColorCardStore& store, const QString& id, const QString& name,
                             const QList<SampleColour>& colours) {
    store.createColorDataTable(id);
    store.insertLibrary(id, QStringLiteral("CM-1"), name, name + QStringLiteral(" description"),
                        QString::number(colours.size()));
    for (const SampleColour& c : colours) {
        QStringList values{QString::fromUtf8(c.L), QString::fromUtf8(c.a), QString::fromUtf8(c.b)};
        while (values.size() < 19)
            values << QStringLiteral("0");
        store.insertColorData(id, QString::fromUtf8(c.id), QString::fromUtf8(c.name), values);
    }
}

// Two libraries: "Reds" (three colours, one without a usable L*a*b*) and
// "Blues" (two colours), the names including a comma and Chinese.
inline void addSampleLibraries(ColorCardStore& store) {
    addSampleLibrary(store, QStringLiteral("ColorCard1260513100000"), QStringLiteral("Reds"),
                     {{"ColorData1260513100000", "Red, warm", "45.00", "60.00", "40.00"},
                      {"ColorData2260513100000", "红色", "50.00", "55.00", "30.00"},
                      {"ColorData3260513100000", "unmeasured", "", "", ""}});
    addSampleLibrary(store, QStringLiteral("ColorCard2260513100000"), QStringLiteral("Blues"),
                     {{"ColorData1260513100001", "Navy", "25.00", "10.00", "-45.00"},
                      {"ColorData2260513100001", "Sky \"light\"", "70.00", "-10.00", "-30.00"}});
}

}  // namespace colorcard
