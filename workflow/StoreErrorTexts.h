// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include "store/ColorCardStore.h"
#include "texts/BilingualText.h"

namespace colorcard {

// The message the user is shown for a failed step of the store.
BilingualText storeErrorText(StoreError error);

// The whole message of a failed step: the step's text and, when SQLite said
// why, the cause the user can act on (busy, disk full, read-only, damaged).
struct StoreMessage {
    BilingualText text;
    QStringList arguments;
};
StoreMessage storeFailureMessage(StoreResult result, const QString& databasePath,
                                 const Language& language);

}  // namespace colorcard
