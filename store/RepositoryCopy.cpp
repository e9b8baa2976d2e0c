// SPDX-License-Identifier: MIT
#include "store/RepositoryCopy.h"

#include <QSet>

#include "store/LibraryRepository.h"

namespace colorcard {

namespace {

// An entry of the history is the same entry on both sides when its time,
// meter, library and colour agree (the ids are each store's own).
QString keyOf(const HistoryEntry& entry) {
    return QStringLiteral("%1|%2|%3|%4")
        .arg(entry.time.toMSecsSinceEpoch())
        .arg(entry.meterNumber, entry.libraryId, entry.colourId);
}

bool sameColours(const QVector<Colour>& a, const QVector<Colour>& b) {
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].id != b[i].id || a[i].name != b[i].name || !a[i].sameValues(b[i]))
            return false;
    return true;
}

RepositoryCopy::Result failed(const LibraryRepository& side) {
    RepositoryCopy::Result result;
    result.error = side.error();
    return result;
}

}  // namespace

RepositoryCopy::Result RepositoryCopy::count(LibraryRepository& repository) {
    Result result;
    const auto libraries = repository.libraries();
    if (!libraries)
        return failed(repository);
    for (const Library& library : *libraries) {
        const auto colours = repository.colours(library.id, false);
        const auto tolerance = repository.tolerance(library.id);
        if (!colours || !tolerance)
            return failed(repository);
        ++result.copied.libraries;
        result.copied.colours += colours->size();
        result.copied.tolerances += *tolerance != Tolerance{} ? 1 : 0;
    }
    const auto history = repository.history();
    if (!history)
        return failed(repository);
    result.copied.history = history->size();
    result.ok = true;
    return result;
}

RepositoryCopy::Result RepositoryCopy::verify(LibraryRepository& from, LibraryRepository& to) {
    Result result;
    const auto libraries = from.libraries();
    if (!libraries)
        return failed(from);
    for (const Library& library : *libraries) {
        const auto there = to.library(library.id);
        if (!there)
            return failed(to);
        if (!there->isStored())
            continue;
        const auto colours = from.colours(library.id);
        const auto copied = to.colours(library.id);
        const auto tolerance = from.tolerance(library.id);
        const auto copiedTolerance = to.tolerance(library.id);
        if (!colours || !tolerance)
            return failed(from);
        if (!copied || !copiedTolerance)
            return failed(to);
        if (there->name != library.name || there->description != library.description ||
            !sameColours(*colours, *copied))
            continue;
        ++result.copied.libraries;
        result.copied.colours += colours->size();
        result.copied.tolerances +=
            *tolerance != Tolerance{} && *tolerance == *copiedTolerance ? 1 : 0;
    }
    const auto history = from.history();
    if (!history)
        return failed(from);
    const auto copiedHistory = to.history();
    if (!copiedHistory)
        return failed(to);
    QSet<QString> kept;
    for (const HistoryEntry& entry : *copiedHistory)
        kept.insert(keyOf(entry));
    for (const HistoryEntry& entry : *history)
        result.copied.history += kept.contains(keyOf(entry)) ? 1 : 0;
    result.ok = true;
    return result;
}

RepositoryCopy::Result RepositoryCopy::copy(LibraryRepository& from, LibraryRepository& to) {
    Result result;
    const auto libraries = from.libraries();
    if (!libraries)
        return failed(from);
    const auto history = from.history();
    if (!history)
        return failed(from);
    const auto copiedHistory = to.history();
    if (!copiedHistory)
        return failed(to);
    if (!to.begin())
        return failed(to);
    const bool ok = [&] {
        for (const Library& source : *libraries) {
            const auto there = to.library(source.id);
            const auto tolerance = from.tolerance(source.id);
            if (!there)
                return false;
            if (!tolerance) {
                result.error = from.error();
                return false;
            }
            if (!there->isStored()) {
                Library library = source;
                auto colours = from.colours(source.id);
                if (!colours) {
                    result.error = from.error();
                    return false;
                }
                // The identifiers go along; the row ids are the target's own.
                for (Colour& colour : *colours)
                    colour.rowId = 0;
                library.colours = *colours;
                library.rowId = 0;
                if (!to.addLibrary(library))
                    return false;
                ++result.copied.libraries;
                result.copied.colours += library.colours.size();
            }
            const auto copiedTolerance = to.tolerance(source.id);
            if (!copiedTolerance)
                return false;
            if (*tolerance != Tolerance{} && *tolerance != *copiedTolerance) {
                if (!to.setTolerance(source.id, *tolerance))
                    return false;
                ++result.copied.tolerances;
            }
        }
        QSet<QString> kept;
        for (const HistoryEntry& entry : *copiedHistory)
            kept.insert(keyOf(entry));
        // Oldest first, each with its own time, so the target's order matches.
        for (auto it = history->crbegin(); it != history->crend(); ++it) {
            if (kept.contains(keyOf(*it)))
                continue;
            HistoryEntry entry = *it;
            const QDateTime time = entry.time;
            to.setClock([time] { return time; });
            if (!to.addHistory(entry))
                return false;
            ++result.copied.history;
        }
        return true;
    }();
    to.setClock([] { return QDateTime::currentDateTimeUtc(); });
    if (!ok) {
        if (result.error.isEmpty())
            result.error = to.error();
        to.rollback();
        result.copied = {};
        return result;
    }
    if (!to.commit()) {
        result.error = to.error();
        result.copied = {};
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace colorcard
