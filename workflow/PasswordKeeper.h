// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace colorcard {

// Where a server password the user asked to remember is kept: the desktop
// keyring, never the settings file. Keys name the login and the server
// (user@host:port/database).
class PasswordKeeper {
public:
    virtual ~PasswordKeeper() = default;
    // The password kept under key; nothing when none is kept or the keyring
    // cannot be read.
    virtual std::optional<QString> read(const QString& key) = 0;
    // Keeps password under key, replacing one kept before; false when the
    // keyring refused.
    virtual bool keep(const QString& key, const QString& password) = 0;
};

// The desktop keyring (service "colorcard") when the program was built with
// QtKeychain; null otherwise, and then no password is offered to be kept.
std::unique_ptr<PasswordKeeper> desktopPasswordKeeper();

}  // namespace colorcard
