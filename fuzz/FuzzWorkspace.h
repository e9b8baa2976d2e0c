#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "ColorCardStore.h"
#include "LibraryView.h"
#include "Messenger.h"
#include "ScriptedPrompt.h"
#include "WorkspaceContext.h"
#include "WorkspaceState.h"

// The page's library table as the workflows see it, kept in step with the
// state's keys.
class TableView : public LibraryView {
public:
    struct Row {
        QString id, name, description, count;
    };
    explicit TableView(WorkspaceState& state) : state_(state) {}

    int libraryRowCount() const override { return rows.size(); }
    QString libraryCell(int row, int column) const override {
        if (row < 0 || row >= rows.size() || column < 0 || column > 3)
            return QString();
        const Row& r = rows.at(row);
        const QString cells[] = {r.id, r.name, r.description, r.count};
        return cells[column];
    }
    void setLibraryCount(int row, const QString& count) override {
        if (row >= 0 && row < rows.size())
            rows[row].count = count;
    }
    void appendLibraryRow(const QString& id, const QString& name, const QString& description,
                          const QString& count) override {
        rows.append({id, name, description, count});
        const QString key = name + QLatin1Char(':') + description;
        state_.libraryKeys.append(key);
        state_.colorKeyMap.insert(key, QStringList());
    }
    void removeLibraryRow(int row) override {
        if (row < 0 || row >= rows.size())
            return;
        state_.colorKeyMap.remove(rows[row].name + QLatin1Char(':') + rows[row].description);
        rows.removeAt(row);
        state_.libraryKeys.removeAt(row);
    }
    void reselectFirstLibrary() override {}

    QList<Row> rows;

private:
    WorkspaceState& state_;
};

// A store in a directory of its own (removed at the end), the page state of
// meter 2301 with room for 46 libraries, and prompts answered from a script.
struct FuzzWorkspace {
    static QString meterNumber() { return QStringLiteral("2301"); }

    QTemporaryDir dir;
    ScriptedPrompt prompt;
    Messenger messenger{&prompt};
    WorkspaceState state;
    ColorCardStore store{messenger, dir.path()};
    TableView view{state};

    explicit FuzzWorkspace(const QString& directoryTemplate) : dir(directoryTemplate) {
        messenger.setChinese(false);
        state.meterNumber = meterNumber();
        state.maxLibraries = 46;
        state.databaseOpen = store.openDatabase();
    }

    WorkspaceContext context() { return WorkspaceContext{state, view, store, messenger}; }

    // A library with colours, in the store and in the table.
    void addLibrary(const QString& name, const QString& description,
                    const QList<QStringList>& colours) {
        const QString id = store.makeLibraryId(view.libraryRowCount() + 1);
        store.createColorDataTable(id);
        store.insertLibrary(id, state.meterNumber, name, description,
                            QString::number(colours.size()));
        const QStringList ids = store.makeColorIds(id, 1, colours.size());
        for (int i = 0; i < colours.size(); ++i)
            store.insertColorData(id, ids[i], colours[i].value(0), colours[i].mid(1));
        view.appendLibraryRow(id, name, description, QString::number(colours.size()));
    }

    // Back to an empty store and table.
    void reset() {
        if (view.rows.isEmpty() && store.selectLibraries().isEmpty())
            return;
        store.deleteDatabaseFile();
        state.databaseOpen = store.openDatabase();
        view.rows.clear();
        state.libraryKeys.clear();
        state.colorKeyMap.clear();
    }
};
