// SPDX-License-Identifier: MIT
#include "store/LibraryReader.h"

#include <QSqlDatabase>

#include "store/sqlite/SqliteRepository.h"

namespace colorcard {

LibraryReader::LibraryReader(const QString& connectionName) : connection_(connectionName) {}

std::optional<QVector<Library>> LibraryReader::libraries() {
    failure_ = Failure::None;
    error_.clear();
    SqliteRepository repository(QSqlDatabase::database(connection_, false));
    auto result = repository.libraries();
    if (!result) {
        error_ = repository.error();
        failure_ = Failure::Store;
    }
    return result;
}

std::optional<QString> LibraryReader::resolve(const QString& identifierOrName) {
    const auto all = libraries();
    if (!all)
        return std::nullopt;
    QStringList byName;
    for (const Library& library : *all) {
        if (library.id == identifierOrName)
            return library.id;
        if (library.name == identifierOrName)
            byName << library.id;
    }
    if (byName.size() == 1)
        return byName.first();
    failure_ = byName.isEmpty() ? Failure::NoLibrary : Failure::AmbiguousName;
    sameNameCount_ = byName.size();
    error_ = byName.isEmpty() ? QStringLiteral("no library %1").arg(identifierOrName)
                              : QStringLiteral("%1 libraries are named %2; give the identifier")
                                    .arg(byName.size())
                                    .arg(identifierOrName);
    return std::nullopt;
}

std::optional<QVector<Colour>> LibraryReader::colours(const QString& identifierOrName) {
    const auto id = resolve(identifierOrName);
    if (!id)
        return std::nullopt;
    SqliteRepository repository(QSqlDatabase::database(connection_, false));
    auto result = repository.colours(*id);
    if (!result) {
        error_ = repository.error();
        failure_ = Failure::Store;
    }
    return result;
}

std::optional<StandardIndex> LibraryReader::standards() {
    const auto all = libraries();
    if (!all)
        return std::nullopt;
    StandardIndex index;
    SqliteRepository repository(QSqlDatabase::database(connection_, false));
    for (const Library& library : *all) {
        // A library row without its table holds no standards.
        const auto colours = repository.colours(library.id);
        if (!colours)
            continue;
        for (const Colour& colour : *colours)
            if (colour.hasLab())
                index.add(Standard{
                    library.id, library.name, colour.id, colour.name,
                    Lab{*colour.number(ColorColumns::LabL), *colour.number(ColorColumns::Laba),
                        *colour.number(ColorColumns::Labb)}});
    }
    return index;
}

}  // namespace colorcard
