// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "prompt/Messenger.h"
#include "store/LocalStore.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedPrompt.h"
#include "workflow/LibraryEdits.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"

namespace colorcard {

// The library list a view would show, kept only from the service's signals:
// "name|description|count" per row. When it differs from the service's own
// list, a signal was missing or wrong.
class LibraryListProbe : public QObject {
public:
    QStringList rows;
    // The same kept only from the list model's signals and data.
    QStringList modelRows;
    int reselections = 0;
    int reselected = -1;  // the row last selected again

    explicit LibraryListProbe(LibraryService& service) : service_(service) {
        connect(&service, &LibraryService::libraryAppended, this,
                [this](int row) { rows.insert(row, shown(row)); });
        connect(&service, &LibraryService::libraryChanged, this,
                [this](int row) { rows[row] = shown(row); });
        connect(&service, &LibraryService::libraryRemoved, this,
                [this](int row) { rows.removeAt(row); });
        connect(&service, &LibraryService::librariesCleared, this, [this] { rows.clear(); });
        const LibraryListModel& model = service.list();
        connect(&model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first, int last) {
                    for (int row = first; row <= last; ++row)
                        modelRows.insert(row, modelShown(row));
                });
        connect(&model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                        modelRows[row] = modelShown(row);
                });
        connect(&model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex&, int first, int last) {
                    for (int row = last; row >= first; --row)
                        modelRows.removeAt(row);
                });
        connect(&model, &QAbstractItemModel::modelReset, this, [this] { modelRows.clear(); });
        connect(&service, &LibraryService::libraryReselected, this, [this](int row) {
            ++reselections;
            reselected = row;
        });
    }
    // What the service lists now, in the same form.
    QStringList expected() const {
        QStringList list;
        for (int row = 0; row < service_.libraryCount(); ++row)
            list << shown(row);
        return list;
    }

private:
    QString modelShown(int row) const {
        const LibraryListModel& model = service_.list();
        QStringList cells;
        for (int column : {LibraryListModel::NameColumn, LibraryListModel::DescriptionColumn,
                           LibraryListModel::CountColumn})
            cells << model.data(model.index(row, column)).toString();
        return cells.join('|');
    }
    QString shown(int row) const {
        const LibraryEntry& e = service_.listedLibrary(row);
        return e.name + '|' + e.description + '|' + e.count;
    }
    LibraryService& service_;
};

// A library service on a store of its own, with a scripted prompt and the
// fixed clock, in English unless told otherwise; no widget anywhere.
struct LibraryFixture {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    Messenger messenger{&prompt};
    std::unique_ptr<LocalStore> local;
    std::unique_ptr<LibraryService> library;
    std::unique_ptr<LibraryEdits> libraryEdits;
    std::unique_ptr<LibraryMerge> libraryMerge;
    std::unique_ptr<LibraryListProbe> probe;

    explicit LibraryFixture(const QString& meterNumber = QStringLiteral("2301")) {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        messenger.setLanguage(Language::english());
        reopen(dir.path(), meterNumber);
    }

    // A new service on the store in directory, as after a restart there.
    void reopen(const QString& directory, const QString& meterNumber) {
        probe.reset();
        libraryMerge.reset();
        libraryEdits.reset();
        library.reset();
        local = std::make_unique<LocalStore>(directory);
        library = std::make_unique<LibraryService>(messenger, local->repository());
        libraryEdits = std::make_unique<LibraryEdits>(*library);
        libraryMerge = std::make_unique<LibraryMerge>(*library);
        local->store().setClock(fixedTime);
        library->setMeterNumber(meterNumber);
        library->open();
        probe = std::make_unique<LibraryListProbe>(*library);
    }

    LibraryService& service() const { return *library; }
    LibraryEdits& edits() const { return *libraryEdits; }
    LibraryMerge& merge() const { return *libraryMerge; }
    ColorCardStore& store() { return local->store(); }
    LocalStore& localStore() { return *local; }

    void answer(std::initializer_list<bool> answers) {
        for (bool yes : answers)
            prompt.answers.enqueue(yes);
    }

    // A stored library with these colours (name then value texts each),
    // listed as identification lists stored libraries. count overrides the
    // stored colour count.
    QString addLibrary(const QString& name, const QString& description,
                       const QList<QStringList>& colours = {}, const QString& count = QString()) {
        ColorCardStore& s = store();
        const QString id = s.makeLibraryId(service().libraryCount() + 1);
        s.createColorDataTable(id);
        s.insertLibrary(id, service().meterNumber(), name, description,
                        count.isNull() ? QString::number(colours.size()) : count);
        // Name and nineteen values per colour, or name, L*, a*, b* only.
        bool everyValue = true;
        for (const QStringList& colour : colours)
            everyValue = everyValue && colour.size() >= 20;
        QList<QStringList> columns;
        for (int c = 0; c < (everyValue ? 20 : 4); ++c) {
            columns << QStringList();
            for (const QStringList& colour : colours)
                columns[c] << colour.value(c);
        }
        const QStringList ids = s.makeColorIds(id, 1, colours.size());
        if (everyValue)
            s.insertColorDataBatch(id, ids, columns);
        else
            s.insertColorDataBatchLab(id, ids, columns[0], columns[1], columns[2], columns[3]);
        relist();
        return id;
    }
    // Lists the store again, as a restart would.
    void relist() {
        service().clear();
        service().showStoredLibraries(store().selectLibraries());
    }

    // "name:description" per listed library.
    QStringList keys() const {
        QStringList list;
        for (const LibraryEntry& e : service().libraries())
            list << e.name + ':' + e.description;
        return list;
    }
    // "name:L:a:b" per colour of a listed library; empty when it is not listed.
    QStringList colourKeys(const QString& name, const QString& description) const {
        QStringList list;
        const int row = service().rowOf({name, description});
        if (row >= 0)
            for (const ColourEntry& c : service().library(row).colours)
                list << QStringList{c.name, c.L, c.a, c.b}.join(':');
        return list;
    }
    bool listed(const QString& name, const QString& description) const {
        return service().rowOf({name, description}) >= 0;
    }
};

}  // namespace colorcard
