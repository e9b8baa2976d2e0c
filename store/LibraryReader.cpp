// SPDX-License-Identifier: MIT
#include "LibraryReader.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cmath>

namespace {

const char* const kValueColumns =
    "LabL, Laba, Labb, LuvL, Luvu, Luvv, LChL, LChC, LChh, YxyY, Yxyx, Yxyy2, CMYKC, CMYKM, CMYKY, "
    "CMYKK, RGBR, RGBG, RGBB";

QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

}  // namespace

LibraryReader::LibraryReader(const QString& connectionName) : connection_(connectionName) {}

std::optional<QVector<Library>> LibraryReader::libraries() {
    failure_ = Failure::None;
    error_.clear();
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("SELECT colorcardid, meterno, colorcardname, colorcarddesc, "
                                   "colorcardcount FROM ColorCard ORDER BY id"))) {
        error_ = QStringLiteral("cannot read the libraries: %1").arg(query.lastError().text());
        failure_ = Failure::Store;
        return std::nullopt;
    }
    QVector<Library> result;
    while (query.next()) {
        Library library;
        library.id = query.value(0).toString();
        library.meterNumber = query.value(1).toString();
        library.name = query.value(2).toString();
        library.description = query.value(3).toString();
        library.count = query.value(4).toString();
        result << library;
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
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("SELECT colordataid, colordataname, %1 FROM %2 ORDER BY id")
                        .arg(QLatin1String(kValueColumns), quoted(*id)))) {
        error_ =
            QStringLiteral("cannot read the colours of %1: %2").arg(*id, query.lastError().text());
        failure_ = Failure::Store;
        return std::nullopt;
    }
    QVector<Colour> result;
    while (query.next()) {
        Colour colour;
        colour.id = query.value(0).toString();
        colour.name = query.value(1).toString();
        for (int i = 0; i < ColorColumns::ValueCount; ++i)
            colour.text(ColorColumns::Column(i)) = query.value(2 + i).toString();
        result << colour;
    }
    return result;
}

std::optional<StandardIndex> LibraryReader::standards() {
    const auto all = libraries();
    if (!all)
        return std::nullopt;
    StandardIndex index;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    for (const Library& library : *all) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        // A library row without its table holds no standards.
        if (!query.exec(QStringLiteral("SELECT colordataid, colordataname, LabL, Laba, Labb FROM "
                                       "%1 ORDER BY id")
                            .arg(quoted(library.id))))
            continue;
        while (query.next()) {
            bool okL = false, okA = false, okB = false;
            const Lab lab{query.value(2).toString().toDouble(&okL),
                          query.value(3).toString().toDouble(&okA),
                          query.value(4).toString().toDouble(&okB)};
            if (okL && okA && okB && std::isfinite(lab.L) && std::isfinite(lab.a) &&
                std::isfinite(lab.b))
                index.add(Standard{library.id, library.name, query.value(0).toString(),
                                   query.value(1).toString(), lab});
        }
    }
    return index;
}
