// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace colorcard {

// What tells libraries apart: name and description, each compared whole (no
// joined text, so ("a:b", "c") and ("a", "b:c") are two libraries).
struct LibraryKey {
    QString name;
    QString description;

    bool operator==(const LibraryKey& other) const {
        return name == other.name && description == other.description;
    }
    bool operator!=(const LibraryKey& other) const { return !(*this == other); }
};

inline uint qHash(const LibraryKey& key, uint seed = 0) {
    return qHash(key.name, seed) ^ (qHash(key.description, seed) * 31u);
}

// A colour as the page shows it: its identifier, name and L*, a*, b* texts.
struct ColourEntry {
    QString id;
    QString name;
    QString L;
    QString a;
    QString b;

    bool sameValues(const QString& l, const QString& a_, const QString& b_) const {
        return L == l && a == a_ && b == b_;
    }
};

// A library as the page lists it, with its colours in stored order.
struct LibraryEntry {
    QString id;
    QString name;
    QString description;
    // The stored count text, shown as it is.
    QString count;
    QList<ColourEntry> colours;
    // False while the colours are still in the store only: a library is
    // listed without them and they are read when first needed.
    bool coloursRead = true;

    LibraryKey key() const { return {name, description}; }
};

// A colour arriving from a workbook or from the meter: its name and either
// all nineteen value texts or L*, a*, b* only.
struct IncomingColour {
    QString name;
    QStringList values;
};

struct IncomingLibrary {
    QString name;
    QString description;
    QList<IncomingColour> colours;
    // Colour identifiers: numbered by each colour's place among the incoming
    // ones from 0 (as the meter export has always numbered them), or from 1
    // in the order the new colours are added.
    bool idsByPlace = false;

    LibraryKey key() const { return {name, description}; }
};

}  // namespace colorcard
