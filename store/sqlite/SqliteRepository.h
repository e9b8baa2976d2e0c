// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <functional>

#include "store/LibraryRepository.h"

// The repository on an SQLite file through an open connection of the
// toolkit, which the caller owns (the window's store or a StoreConnection).
// Keeps the tables exactly as the store has always written them.
class SqliteRepository : public LibraryRepository {
    Q_OBJECT

public:
    explicit SqliteRepository(const QSqlDatabase& database, QObject* parent = nullptr);

    // The time stamps of new history entries come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock) override;

    std::optional<QVector<Library>> libraries() override;
    std::optional<Library> library(const QString& libraryId) override;
    std::optional<QVector<Colour>> colours(const QString& libraryId,
                                           bool identifiers = true) override;
    std::optional<Tolerance> tolerance(const QString& libraryId) override;
    std::optional<QVector<HistoryEntry>> history(int limit = -1,
                                                 const QString& libraryId = {}) override;

    bool begin() override;
    bool commit() override;
    void rollback() override;
    bool addLibrary(Library& library) override;
    bool addColours(const QString& libraryId, QVector<Colour>& colours) override;
    bool renameLibrary(const QString& libraryId, const QString& name,
                       const QString& description) override;
    bool removeLibrary(const QString& libraryId) override;
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance) override;
    bool addHistory(HistoryEntry& entry) override;

    QString error() const override { return error_; }
    // The toolkit's error of the last failed read of libraries, for its cause.
    QSqlError sqlError() const { return sqlError_; }
    bool checkForChanges() override;

    // PRAGMA data_version: changes whenever another connection commits to
    // the file; -1 when it cannot be read.
    qint64 dataVersion();

private:
    bool run(const QString& statement, const QVariantList& values = {});
    bool fail(const QString& what, const QString& detail);

    QSqlDatabase database_;
    QString error_;
    QSqlError sqlError_;
    qint64 seenVersion_ = -1;
    std::function<QDateTime()> clock_;
};
