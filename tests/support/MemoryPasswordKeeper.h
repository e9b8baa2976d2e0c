// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>

#include "workflow/PasswordKeeper.h"

namespace colorcard {

// A keyring in memory: the tests never reach the desktop's. refuse makes
// keep() fail, as a locked keyring does.
struct MemoryPasswordKeeper : PasswordKeeper {
    QMap<QString, QString> kept;
    bool refuse = false;
    int reads = 0;

    std::optional<QString> read(const QString& key) override {
        ++reads;
        if (!kept.contains(key))
            return std::nullopt;
        return kept.value(key);
    }
    bool keep(const QString& key, const QString& password) override {
        if (refuse)
            return false;
        kept.insert(key, password);
        return true;
    }
};

}  // namespace colorcard
