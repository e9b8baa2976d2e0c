// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>
#include <functional>

#include "prompt/Messenger.h"
#include "store/ColorCardStore.h"
#include "store/LibraryRepository.h"

namespace colorcard {

// The steps of a change to the repository as the list, the edits and the
// merge tell them: a failed step is shown once, with the store's own cause.
class StoreSteps {
public:
    // On a server: how a failed step is told, in the server's own words.
    using FailureTeller = std::function<void(LibraryRepository::Failure, const QString& detail)>;

    // teller: the list's, shared by its edits and merge (may be empty).
    StoreSteps(Messenger& messenger, LibraryRepository& repository,
               const FailureTeller* teller = nullptr)
        : messenger_(messenger), repository_(repository), teller_(teller) {}

    // Success, or the repository's failed step (step when it named none).
    StoreResult outcome(bool ok, StoreError step) const;
    // Shows the message of a failed step; true on success.
    bool reported(StoreResult result) const;
    // Starts the write transaction; false (message shown) when it cannot.
    bool begin();
    // Rolls back and shows the failure; always false.
    bool undone(StoreResult result);

private:
    Messenger& messenger_;
    LibraryRepository& repository_;
    const FailureTeller* teller_;
};

// The colours the libraries hold by their stored counts (a bad count as none).
qint64 colourTotal(const QVector<Library>& records);

}  // namespace colorcard
