// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

namespace colorcard {

// Why a copy was taken, as its file name records it.
namespace BackupCause {
inline constexpr const char* DeleteAll = "delete-all";
inline constexpr const char* DeleteLibrary = "delete-library";
inline constexpr const char* InstrumentChange = "instrument-change";
inline constexpr const char* Import = "import";
inline constexpr const char* MeterExport = "meter-export";
inline constexpr const char* Restore = "restore";
}  // namespace BackupCause

// One copy of the database in the backups folder.
struct BackupEntry {
    QString path;
    // When it was taken (from its file name), local time.
    QDateTime taken;
    // The meter whose libraries the copy holds (read from the copy; several
    // joined by " / "), else the one its file name was given; empty when none.
    QString meterNumber;
    // One of BackupCause; empty for copies that did not record it.
    QString cause;
    // Read from the copy itself; both -1 when it cannot be read.
    int libraries = -1;
    int colours = -1;

    bool readable() const { return libraries >= 0; }
};

enum class BackupStatus {
    Ok,
    // There is no database file to copy.
    NoDatabase,
    // The database is inside a transaction or locked by another process.
    Busy,
    // The backups folder or the copy cannot be written (full or read-only disk).
    CannotWrite,
    // Reading the database or writing the copy failed part-way.
    CopyFailed,
    // The file to restore is not a readable copy of a colour database.
    NotABackup,
};

// Consistent copies of the colour database in a "backups" folder beside it,
// taken with SQLite's online backup, so that a copy never holds half of a
// change even while the program has the database open.
//
// With a connection name the copy is read from, and a restore written
// through, that open connection: the store keeps working on the restored
// data without reopening. Without one (or while it is closed) the file is
// opened for the duration of the call.
class DatabaseBackup {
public:
    // How many copies are kept; the oldest go first.
    static constexpr int kKept = 20;

    explicit DatabaseBackup(const QString& databasePath, const QString& connectionName = QString());

    QString databasePath() const { return databasePath_; }
    QString directory() const;
    // The time stamps of new copies come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    // Copies the database into the backups folder, named by the time, the
    // meter number and the cause (a BackupCause, may be empty), then removes
    // all but the newest kKept copies. On success the new copy's path is in
    // createdPath.
    BackupStatus take(const QString& meterNumber, QString* createdPath = nullptr,
                      const QString& cause = QString());
    // What a copy interrupted by a crash left (partial files) and copies
    // beyond kKept are removed; run once at start.
    void tidy() const;

    // Every copy in the folder, newest first.
    QList<BackupEntry> list() const;

    // Replaces the database's content with the copy at backupPath, after
    // checking the copy and backing up the current content (as the meter
    // meterNumber's). Nothing changes unless both succeed; the copy being
    // restored is never removed by the retention.
    BackupStatus restore(const QString& backupPath, const QString& meterNumber,
                         QString* safetyCopyPath = nullptr);

    // Why the last call failed, in SQLite's words (for the trace, not the user).
    QString lastError() const { return lastError_; }

private:
    BackupStatus takeKeeping(const QString& meterNumber, const QString& cause, const QString& keep,
                             QString* createdPath);
    void prune(const QString& keep) const;

    QString databasePath_;
    QString connectionName_;
    std::function<QDateTime()> clock_;
    QString lastError_;
};

}  // namespace colorcard
