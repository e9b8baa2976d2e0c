// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "prompt/Messenger.h"
#include "store/LocalStore.h"
#include "tests/support/ScriptedPrompt.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"

using namespace colorcard;

// The library service of meter 2301 with room for 46 libraries, on a store
// in a directory of its own (removed at the end), with prompts answered
// from a script.
struct FuzzWorkspace {
    static QString meterNumber() { return QStringLiteral("2301"); }

    QTemporaryDir dir;
    ScriptedPrompt prompt;
    Messenger messenger{&prompt};
    LocalStore local{dir.path()};
    LibraryService library{messenger, local.repository()};
    LibraryMerge merge{library};

    explicit FuzzWorkspace(const QString& directoryTemplate) : dir(directoryTemplate) {
        messenger.setLanguage(Language::english());
        library.setMeterNumber(meterNumber());
        library.setMaxLibraries(46);
        library.open();
    }

    // Libraries with colours (name first, then the nineteen value texts),
    // stored and listed as the page lists them; false when a step failed.
    bool addLibraries(const QList<QPair<QStringList, QList<QStringList>>>& libraries) {
        ColorCardStore& store = local.store();
        for (int k = 0; k < libraries.size(); ++k) {
            const QStringList& names = libraries[k].first;
            const QList<QStringList>& colours = libraries[k].second;
            const QString id = store.makeLibraryId(k + 1);
            if (!store.createColorDataTable(id) ||
                !store.insertLibrary(id, meterNumber(), names.value(0), names.value(1),
                                     QString::number(colours.size())))
                return false;
            const QStringList ids = store.makeColorIds(id, 1, colours.size());
            for (int i = 0; i < colours.size(); ++i) {
                if (!store.insertColorData(id, ids[i], colours[i].value(0), colours[i].mid(1)))
                    return false;
            }
        }
        library.showStoredLibraries(library.storedLibraries());
        return true;
    }

    // Back to an empty store and list.
    void reset() {
        if (library.libraryCount() > 0 || !local.store().selectLibraries().isEmpty())
            library.clearAllData();
    }
};
