// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

#include "model/Colour.h"
#include "model/Quality.h"
#include "store/StoreResult.h"

namespace colorcard {

class LocalStore;

// One stored colour as the store holds its texts, in UTF-8: the name, then
// the nineteen values in the order of ColorColumns; a null data for NULL.
struct StoredColourTexts {
    static constexpr int Count = 1 + ColorColumns::ValueCount;
    const char* data[Count] = {};
    int size[Count] = {};
};

// Where the libraries, their colours, the tolerances and the history are
// kept, whatever keeps them: the window and the command line read and write
// through this and never see the statements behind it. Reads return nullopt
// when the store cannot be read; writes return false; error() says why.
class LibraryRepository : public QObject {
    Q_OBJECT

public:
    // Why the last operation failed, when the user can act on it.
    enum class Failure {
        None,
        // The library changed (or went) since the caller read it.
        Stale,
        // The store's own rules refused it (a server role without the right).
        Denied,
        // The store cannot be reached.
        Unreachable,
        Other,
    };

    using QObject::QObject;
    ~LibraryRepository() override = default;

    // The time stamps of new history entries come from here (tests fix it,
    // a copy keeps the entries' own).
    virtual void setClock(std::function<QDateTime()> clock) = 0;

    // The libraries in stored order, without their colours.
    virtual std::optional<QVector<Library>> libraries() = 0;
    // The library of that identifier (the first stored when several claim
    // it); one that is not stored when there is none.
    virtual std::optional<Library> library(const QString& libraryId) = 0;
    // The first stored library of that name and description; one that is
    // not stored when there is none.
    virtual std::optional<Library> libraryByKey(const QString& name,
                                                const QString& description) = 0;
    // The library's colours in stored order; without identifiers (row id 0,
    // id null) when only names and values are wanted.
    virtual std::optional<QVector<Colour>> colours(const QString& libraryId,
                                                   bool identifiers = true) = 0;
    // The same colours a row at a time as texts, for writers of bytes: no
    // string is made of them. false when they cannot be read.
    virtual bool colourTexts(const QString& libraryId,
                             const std::function<void(const StoredColourTexts&)>& row);
    // The library's own tolerance, or the default when it has none.
    virtual std::optional<Tolerance> tolerance(const QString& libraryId) = 0;
    // Newest first; at most limit entries (all when limit < 0), of one
    // library when libraryId is not empty.
    virtual std::optional<QVector<HistoryEntry>> history(int limit = -1,
                                                         const QString& libraryId = {}) = 0;

    // Everything written between begin and commit lands together or not at
    // all; a failed commit is rolled back.
    virtual bool begin() = 0;
    virtual bool commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;
    // "ColorCard<number><yyMMddhhmmss>", the next free number from number on.
    virtual QString newLibraryId(int number) = 0;
    // count identifiers "ColorData<n><yyMMddhhmmss>" from firstNumber on, each
    // unique in the library and among themselves.
    virtual QStringList newColourIds(const QString& libraryId, int firstNumber, int count) = 0;
    // The library with its colours; rowIds of what was stored are set.
    virtual bool addLibrary(Library& library) = 0;
    // Appends colours and sets the library's count to its rows.
    virtual bool addColours(const QString& libraryId, QVector<Colour>& colours) = 0;
    // Appends colours of which only L*, a* and b* are known: the other
    // values stay unset. Leaves the library's count as it was (see recount).
    virtual bool addLabColours(const QString& libraryId, QVector<Colour>& colours) = 0;
    // Sets the library's count to the colours it holds, counted by the store.
    virtual bool recount(const QString& libraryId) = 0;
    // values: the nineteen value texts in column order.
    virtual bool replaceColourValues(const QString& libraryId, const QString& colourId,
                                     const QStringList& values) = 0;
    virtual bool renameColour(const QString& libraryId, const QString& colourId,
                              const QString& name) = 0;
    // Leaves the library's count as it was (see recount).
    virtual bool removeColour(const QString& libraryId, const QString& colourId) = 0;
    // Stamps every library with this meter.
    virtual bool stampMeterNumber(const QString& meterNumber) = 0;
    // Every library with its colours and tolerance; the QC history stays.
    virtual bool removeAllLibraries() = 0;
    // The edits that follow were made from a view of the library at that
    // version (Library::version): refused, with failure() Stale, when it has
    // moved on since. Inside begin/commit the library stays as checked until
    // the commit. Stores that keep no versions take every edit.
    virtual bool expectVersion(const QString& libraryId, int version) {
        Q_UNUSED(libraryId);
        Q_UNUSED(version);
        return true;
    }
    virtual bool renameLibrary(const QString& libraryId, const QString& name,
                               const QString& description) = 0;
    // The library, its colours and its tolerance.
    virtual bool removeLibrary(const QString& libraryId) = 0;
    virtual bool setTolerance(const QString& libraryId, const Tolerance& tolerance) = 0;
    // entry.id and entry.time are set.
    virtual bool addHistory(HistoryEntry& entry) = 0;

    virtual QString error() const = 0;
    virtual Failure failure() const { return error().isEmpty() ? Failure::None : Failure::Other; }
    // The step of the last operation that failed and, when the store said,
    // why; the workflows choose their message by it.
    StoreResult lastResult() const { return result_; }

    // The store kept in one local file (its path, its backups, deleting and
    // recreating it); null for a store that is not a file (a server).
    virtual LocalStore* localStore() { return nullptr; }

    // Whether anyone, another process included, committed since the last
    // look (or since this repository was made); emits changed() when so.
    virtual bool checkForChanges() = 0;

signals:
    // What is stored changed: by a commit of this repository or, noticed by
    // checkForChanges, of another connection.
    void changed();
    // Another connection's commit, told by the server as it happened
    // (LISTEN/NOTIFY); a file has no such news and never emits it.
    void changedElsewhere();

protected:
    StoreResult result_;
};

}  // namespace colorcard
