// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

#include "store/Database.h"
#include "store/LibraryRepository.h"

namespace colorcard {

// Where the libraries are kept, as the settings, --database and
// COLORCARD_DATABASE name it: a SQLite file's path or a postgresql://
// address. The address the settings keep never holds a password (libpq's
// ~/.pgpass or a service file supplies it).
namespace StoreLocation {

// The connection for that location, not yet open; nullptr when it is an
// address that cannot be read (error set).
std::unique_ptr<Database> database(const QString& location, const QString& benchName,
                                   QString* error);
// Opens the database and, on a server, brings its schema up to date. False
// with error set when it cannot be reached (in a few seconds) or refused.
bool open(Database& database, QString* error);
// Whether the server of that location answers (within its connect
// time-out), through a connection of its own that is closed again: safe to
// call on any thread. A file is always reachable.
bool reachable(const QString& location, QString* error);
// The same with a password the user typed or the keyring kept (empty: the
// address's own, or libpq's ~/.pgpass).
bool reachable(const QString& location, const QString& password, QString* error);
// The repository on an open database of either engine.
std::unique_ptr<LibraryRepository> repository(Database& database);
// What may be written into the settings: the location without a password.
QString forSettings(const QString& location);

}  // namespace StoreLocation

}  // namespace colorcard
