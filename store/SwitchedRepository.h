// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

#include "store/LibraryRepository.h"

namespace colorcard {

// The repository the services are built over when the store is only known
// later: a server's repository exists once it is connected and goes when the
// server does. Every call goes to the current target; without one, reads
// find nothing to read and writes are refused as Unreachable, so nothing is
// ever written to another store instead.
class SwitchedRepository : public LibraryRepository {
    Q_OBJECT

public:
    explicit SwitchedRepository(LibraryRepository* target = nullptr, QObject* parent = nullptr);

    // Null: none (a server not connected). A target that is destroyed is
    // dropped by itself. The clock given before is handed on.
    void setTarget(LibraryRepository* target);
    LibraryRepository* target() const { return target_.data(); }

    void setClock(std::function<QDateTime()> clock) override;

    std::optional<QVector<Library>> libraries() override;
    std::optional<Library> library(const QString& libraryId) override;
    std::optional<Library> libraryByKey(const QString& name, const QString& description) override;
    bool colourTexts(const QString& libraryId,
                     const std::function<void(const StoredColourTexts&)>& row) override;
    std::optional<QVector<Colour>> colours(const QString& libraryId,
                                           bool identifiers = true) override;
    std::optional<Tolerance> tolerance(const QString& libraryId) override;
    std::optional<QVector<HistoryEntry>> history(int limit = -1,
                                                 const QString& libraryId = {}) override;

    bool begin() override;
    bool commit() override;
    void rollback() override;
    bool inTransaction() const override;
    QString newLibraryId(int number) override;
    QStringList newColourIds(const QString& libraryId, int firstNumber, int count) override;
    bool addLibrary(Library& library) override;
    bool addColours(const QString& libraryId, QVector<Colour>& colours) override;
    bool addLabColours(const QString& libraryId, QVector<Colour>& colours) override;
    bool recount(const QString& libraryId) override;
    bool replaceColourValues(const QString& libraryId, const QString& colourId,
                             const QStringList& values) override;
    bool renameColour(const QString& libraryId, const QString& colourId,
                      const QString& name) override;
    bool removeColour(const QString& libraryId, const QString& colourId) override;
    bool stampMeterNumber(const QString& meterNumber) override;
    bool removeAllLibraries() override;
    bool expectVersion(const QString& libraryId, int version) override;
    bool renameLibrary(const QString& libraryId, const QString& name,
                       const QString& description) override;
    bool removeLibrary(const QString& libraryId) override;
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance) override;
    bool addHistory(HistoryEntry& entry) override;

    QString error() const override;
    Failure failure() const override;
    LocalStore* localStore() override;
    bool checkForChanges() override;

private:
    // Whether there is a target; without one the outcome of step is Unreachable.
    bool reach(StoreError step);
    // A target's result, its outcome taken over.
    template <typename Result>
    Result took(Result result);

    QPointer<LibraryRepository> target_;
    QMetaObject::Connection changedConnection_;
    QMetaObject::Connection elsewhereConnection_;
    std::function<QDateTime()> clock_;
    // The outcome of the last call made without a target.
    bool missed_ = false;
};

}  // namespace colorcard
