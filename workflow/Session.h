// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "prompt/Messenger.h"
#include "store/LocalStore.h"
#include "store/SwitchedRepository.h"
#include "workflow/LibraryEdits.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"
#include "workflow/MeterController.h"
#include "workflow/QualityController.h"
#include "workflow/StoreService.h"

namespace colorcard {

class FrameLayer;
class Prompt;

// Everything one open store and one meter link are worked with, built once
// and shared: the window's pages, the command line and the tests get their
// services from here instead of each building its own.
class Session : public QObject {
    Q_OBJECT
public:
    struct Setup {
        // Every message box; null: none is shown.
        Prompt* prompt = nullptr;
        // The meter link; null: no link at all.
        FrameLayer* frames = nullptr;
        // Where "database.db" lives; empty: ColorCardStore::defaultDirectory().
        QString dataDirectory;
        // The store: a SQLite file's path or a postgresql:// address; empty:
        // "database.db" in the data directory.
        QString location;
        // The device settings; empty: "meterno" beside the executable.
        QString settingsFile;
        // The save's template workbooks; empty: DataFiles::templateDirectory().
        QString templateDirectory;
    };

    explicit Session(const Setup& setup, QObject* parent = nullptr);
    ~Session() override;

    Messenger& messenger() { return messenger_; }
    // Where the library page's libraries are read and written: the file, or
    // the server once connected (nothing while it is not).
    LibraryRepository& repository() { return repository_; }
    // The store file in the data directory, with its backups.
    LocalStore& localStore() { return local_; }
    // Which store, whether its server answers and what the login may do.
    StoreService& store() { return store_; }
    // The listed libraries, the changes to them and the merge of incoming ones.
    LibraryService& library() { return library_; }
    LibraryEdits& edits() { return edits_; }
    LibraryMerge& merge() { return merge_; }
    MeterController& meter() { return meter_; }
    QualityController& quality() { return quality_; }

private:
    // A server connected or gone: the libraries are read from what is there now.
    void followStore();

    Messenger messenger_;
    StoreService store_;
    // The store file in the data directory.
    LocalStore local_;
    // The file's repository, or the server's as StoreService has it.
    SwitchedRepository repository_;
    LibraryService library_;
    LibraryEdits edits_;
    LibraryMerge merge_;
    MeterController meter_;
    QualityController quality_;
    // The QC records on the server while it is connected.
    std::unique_ptr<QualityRecords> serverQuality_;
};

}  // namespace colorcard
