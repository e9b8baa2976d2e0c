// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "colour/NearestStandards.h"
#include "model/Colour.h"

namespace colorcard {

// Reads the libraries and their colours on any connection to a store,
// without writing: the command line's view, and the nearest-standard search's
// source. Failures leave error() set.
class LibraryReader {
public:
    enum class Failure { None, Store, NoLibrary, AmbiguousName };

    explicit LibraryReader(const QString& connectionName);

    std::optional<QVector<Library>> libraries();
    // The colours of the library with this identifier, or of the only library
    // with this name; nullopt when there is none or the name is ambiguous.
    std::optional<QVector<Colour>> colours(const QString& identifierOrName);
    // Every colour of every library whose L*, a*, b* are numbers.
    std::optional<StandardIndex> standards();
    QString error() const { return error_; }
    Failure failure() const { return failure_; }
    // How many libraries carry the name, after an AmbiguousName failure.
    int sameNameCount() const { return sameNameCount_; }

private:
    std::optional<QString> resolve(const QString& identifierOrName);

    QString connection_;
    QString error_;
    Failure failure_ = Failure::None;
    int sameNameCount_ = 0;
};

}  // namespace colorcard
