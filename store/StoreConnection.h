// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace colorcard {

// A connection of its own to a store file, for a second user of the store
// beside the window (the command line). Waits up to busyTimeoutMs for a lock
// another process holds instead of failing at once.
class StoreConnection {
public:
    enum class Mode { ReadOnly, ReadWrite };

    StoreConnection();
    ~StoreConnection();
    StoreConnection(const StoreConnection&) = delete;
    StoreConnection& operator=(const StoreConnection&) = delete;

    // A read-only connection never writes, and never creates the file. False
    // with error() set when the file is missing (read-only), cannot be opened
    // or is not a database.
    bool open(const QString& path, Mode mode, int busyTimeoutMs = 5000);
    void close();
    bool isOpen() const;
    QString connectionName() const { return name_; }
    QString error() const { return error_; }

private:
    QString name_;
    QString error_;
};

}  // namespace colorcard
