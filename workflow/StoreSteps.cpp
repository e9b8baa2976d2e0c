// SPDX-License-Identifier: MIT
#include "workflow/StoreSteps.h"

#include <QDir>

#include "store/LocalStore.h"
#include "workflow/StoreErrorTexts.h"

namespace colorcard {

StoreResult StoreSteps::outcome(bool ok, StoreError step) const {
    if (ok)
        return {};
    StoreResult result = repository_.lastResult();
    if (result.ok())
        result.error = step;
    return result;
}

bool StoreSteps::reported(StoreResult result) const {
    LocalStore* local = repository_.localStore();
    if (!result && !local && teller_ && *teller_ &&
        repository_.failure() != LibraryRepository::Failure::None) {
        (*teller_)(repository_.failure(), repository_.error());
        return false;
    }
    if (!result) {
        // Only a file has a path worth naming; a server's message names none.
        const QString path = local ? QDir::toNativeSeparators(local->databasePath()) : QString();
        const StoreMessage message = storeFailureMessage(result, path, messenger_.language());
        messenger_.tip(message.text, message.arguments);
    }
    return result.ok();
}

bool StoreSteps::begin() {
    return reported(outcome(repository_.begin(), StoreError::Begin));
}

bool StoreSteps::undone(StoreResult result) {
    repository_.rollback();
    reported(result);
    return false;
}

qint64 colourTotal(const QVector<Library>& records) {
    qint64 colours = 0;
    for (const Library& record : records)
        colours += qMax(0, record.count.toInt());
    return colours;
}

}  // namespace colorcard
