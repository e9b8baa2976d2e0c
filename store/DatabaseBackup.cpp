// SPDX-License-Identifier: MIT
#include "store/DatabaseBackup.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <memory>

#include "store/sqlite/SqliteStatements.h"

namespace colorcard {

Q_LOGGING_CATEGORY(lcBackup, "colorcard.backup", QtInfoMsg)

namespace {

const char* const kFolder = "backups";
// UTC, so that the names sort in the order the copies were taken across
// daylight-saving changes; milliseconds keep two copies of one second apart.
const char* const kStampFormat = "yyyyMMdd-hhmmss-zzz";
const QString kPrefix = QStringLiteral("backup-");
const QString kSuffix = QStringLiteral(".db");
const QString kPartial = QStringLiteral(".part");

const QRegularExpression& namePattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^backup-(\\d{8}-\\d{6}-\\d{3})Z(?:-([A-Za-z0-9%._~-]+))?(?:\\+([a-z-]+))?"
                       "\\.db$"));
    return pattern;
}

QString fileNameFor(const QDateTime& taken, const QString& meterNumber, const QString& cause) {
    QString name = kPrefix + taken.toUTC().toString(QLatin1String(kStampFormat)) + QLatin1Char('Z');
    // Any text the meter reports becomes a safe, reversible file name part.
    if (!meterNumber.isEmpty())
        name += QLatin1Char('-') + QString::fromLatin1(QUrl::toPercentEncoding(meterNumber));
    // After a character the encoded number never holds.
    static const QRegularExpression causeWord(QStringLiteral("^[a-z-]+$"));
    if (causeWord.match(cause).hasMatch())
        name += QLatin1Char('+') + cause;
    return name + kSuffix;
}

bool parseFileName(const QString& name, QDateTime* taken, QString* meterNumber, QString* cause) {
    const QRegularExpressionMatch match = namePattern().match(name);
    if (!match.hasMatch())
        return false;
    QDateTime time = QDateTime::fromString(match.captured(1), QLatin1String(kStampFormat));
    if (!time.isValid())
        return false;
    time.setTimeSpec(Qt::UTC);
    *taken = time.toLocalTime();
    *meterNumber = QString::fromUtf8(QByteArray::fromPercentEncoding(match.captured(2).toLatin1()));
    *cause = match.captured(3);
    return true;
}

QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

// A connection this class opened itself, closed when it goes out of scope.
class OwnConnection {
public:
    OwnConnection(const QString& path, int flags) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr) !=
            SQLITE_OK) {
            error_ = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
            sqlite3_close(db_);
            db_ = nullptr;
            return;
        }
        sqlite3_busy_timeout(db_, 2000);
    }
    ~OwnConnection() { close(); }
    OwnConnection(const OwnConnection&) = delete;
    OwnConnection& operator=(const OwnConnection&) = delete;

    sqlite3* get() const { return db_; }
    QString error() const { return error_; }
    // False when the last writes could not be completed.
    bool close() {
        if (!db_)
            return true;
        const bool ok = sqlite3_close(db_) == SQLITE_OK;
        db_ = nullptr;
        return ok;
    }

private:
    sqlite3* db_ = nullptr;
    QString error_;
};

// The SQLite connection behind an open Qt connection of the SQLite driver.
sqlite3* handleOf(const QString& connectionName) {
    if (connectionName.isEmpty() || !QSqlDatabase::contains(connectionName))
        return nullptr;
    const QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool busy(int code) {
    code &= 0xff;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

bool cannotWrite(int code) {
    code &= 0xff;
    return code == SQLITE_FULL || code == SQLITE_READONLY || code == SQLITE_CANTOPEN ||
           code == SQLITE_IOERR || code == SQLITE_PERM;
}

// Copies every page of source into destination in one write transaction of
// the destination: it ends with all of source or, on failure, as it was.
int copyPages(sqlite3* destination, sqlite3* source, QString* error) {
    sqlite3_backup* backup = sqlite3_backup_init(destination, "main", source, "main");
    if (!backup) {
        *error = QString::fromUtf8(sqlite3_errmsg(destination));
        return sqlite3_extended_errcode(destination);
    }
    int code = SQLITE_OK;
    // Another process may hold the source for a moment; wait up to two seconds.
    for (int attempt = 0; attempt < 100; ++attempt) {
        code = sqlite3_backup_step(backup, -1);
        if (!busy(code))
            break;
        sqlite3_sleep(20);
    }
    const int finished = sqlite3_backup_finish(backup);
    if (code == SQLITE_DONE && finished == SQLITE_OK)
        return SQLITE_OK;
    if (code == SQLITE_DONE)
        code = finished;
    *error = QString::fromUtf8(sqlite3_errstr(code)) + QStringLiteral(": ") +
             QString::fromUtf8(sqlite3_errmsg(destination));
    return code;
}

// Runs a query and hands each row to row; the number of rows, -1 on failure.
int queryRows(sqlite3* db, const QString& statement,
              const std::function<void(sqlite3_stmt*)>& row) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, statement.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        return -1;
    int rows = 0;
    int code;
    while ((code = sqlite3_step(stmt)) == SQLITE_ROW) {
        ++rows;
        row(stmt);
    }
    sqlite3_finalize(stmt);
    return code == SQLITE_DONE ? rows : -1;
}

QString columnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QString::fromUtf8(text) : QString();
}

// Number of libraries and of colours in their tables; false when the file
// is not a readable colour database.
bool countContent(sqlite3* db, int* libraries, int* colours) {
    const auto nothing = [](sqlite3_stmt*) {};
    if (queryRows(db, SqliteStatements::libraryTableExists(), nothing) != 1)
        return false;
    QStringList ids;
    if (queryRows(db, QStringLiteral("SELECT colorcardid FROM ColorCard"),
                  [&](sqlite3_stmt* stmt) { ids << columnText(stmt, 0); }) < 0)
        return false;
    int total = 0;
    for (const QString& id : ids) {
        // A library row whose table is missing has no colours.
        queryRows(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(id)),
                  [&](sqlite3_stmt* stmt) { total += sqlite3_column_int(stmt, 0); });
    }
    *libraries = ids.size();
    *colours = total;
    return true;
}

// The meters the copy's libraries were stamped with, in the order first met.
QStringList meterNumbersOf(sqlite3* db) {
    QStringList meters;
    queryRows(db, QStringLiteral("SELECT DISTINCT meterno FROM ColorCard ORDER BY rowid"),
              [&](sqlite3_stmt* stmt) {
                  const QString meter = columnText(stmt, 0);
                  if (!meter.isEmpty() && !meters.contains(meter))
                      meters << meter;
              });
    return meters;
}

// The copy passes SQLite's own check and holds the library table.
bool isColourDatabase(sqlite3* db) {
    QString verdict;
    if (queryRows(db, QStringLiteral("PRAGMA quick_check"),
                  [&](sqlite3_stmt* stmt) { verdict = columnText(stmt, 0); }) != 1)
        return false;
    int libraries = 0, colours = 0;
    return verdict == QLatin1String("ok") && countContent(db, &libraries, &colours);
}

}  // namespace

DatabaseBackup::DatabaseBackup(const QString& databasePath, const QString& connectionName)
    : databasePath_(databasePath),
      connectionName_(connectionName),
      clock_([] { return QDateTime::currentDateTime(); }) {}

QString DatabaseBackup::directory() const {
    return QFileInfo(databasePath_).absoluteDir().filePath(QLatin1String(kFolder));
}

BackupStatus DatabaseBackup::take(const QString& meterNumber, QString* createdPath,
                                  const QString& cause) {
    return takeKeeping(meterNumber, cause, QString(), createdPath);
}

void DatabaseBackup::tidy() const {
    const QDir folder(directory());
    if (!folder.exists())
        return;
    // A copy another process is writing right now is younger than a minute.
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QString& partial :
         folder.entryList({kPrefix + QLatin1Char('*') + kSuffix + kPartial}, QDir::Files))
        if (QFileInfo(folder.filePath(partial)).lastModified().toUTC() < stale)
            QFile::remove(folder.filePath(partial));
    prune(QString());
}

BackupStatus DatabaseBackup::takeKeeping(const QString& meterNumber, const QString& cause,
                                         const QString& keep, QString* createdPath) {
    lastError_.clear();
    sqlite3* source = handleOf(connectionName_);
    std::unique_ptr<OwnConnection> own;
    if (!source) {
        if (!QFileInfo::exists(databasePath_)) {
            lastError_ = QStringLiteral("no database file at ") + databasePath_;
            return BackupStatus::NoDatabase;
        }
        own = std::make_unique<OwnConnection>(databasePath_, SQLITE_OPEN_READONLY);
        source = own->get();
        if (!source) {
            lastError_ = own->error();
            return BackupStatus::CopyFailed;
        }
    } else if (!sqlite3_get_autocommit(source)) {
        // Copying now would take the uncommitted half of a change.
        lastError_ = QStringLiteral("a transaction is open");
        return BackupStatus::Busy;
    }

    const QDir folder(directory());
    if (!QDir().mkpath(folder.path())) {
        lastError_ = QStringLiteral("cannot create ") + folder.path();
        return BackupStatus::CannotWrite;
    }
    // Left by a copy that was interrupted; never a complete copy.
    for (const QString& partial :
         folder.entryList({kPrefix + QLatin1Char('*') + kSuffix + kPartial}, QDir::Files))
        QFile::remove(folder.filePath(partial));

    QDateTime stamp = clock_();
    // One copy per time stamp, whatever its meter and cause, so that the
    // copies sort in the order they were taken.
    const auto stampTaken = [&folder](const QDateTime& time) {
        return !folder
                    .entryList({fileNameFor(time, QString(), QString()).chopped(kSuffix.size()) +
                                QLatin1Char('*')},
                               QDir::Files)
                    .isEmpty();
    };
    while (stampTaken(stamp))
        stamp = stamp.addMSecs(1);
    const QString path = folder.filePath(fileNameFor(stamp, meterNumber, cause));
    // Written under another name and renamed when complete, so that the
    // folder never holds a copy that looks whole but is not.
    const QString partialPath = path + kPartial;
    int code;
    {
        OwnConnection destination(partialPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        if (!destination.get()) {
            lastError_ = destination.error();
            QFile::remove(partialPath);
            return BackupStatus::CannotWrite;
        }
        // A new file needs no rollback journal: an unfinished copy is thrown
        // away whole. Its pages are still synced to disk before the rename.
        sqlite3_exec(destination.get(), "PRAGMA journal_mode = OFF", nullptr, nullptr, nullptr);
        code = copyPages(destination.get(), source, &lastError_);
        if (!destination.close() && code == SQLITE_OK) {
            code = SQLITE_IOERR;
            lastError_ = QStringLiteral("closing the copy failed");
        }
    }
    if (code != SQLITE_OK || !QFile::rename(partialPath, path)) {
        QFile::remove(partialPath);
        qCWarning(lcBackup) << "backup failed:" << lastError_;
        if (code == SQLITE_OK) {
            lastError_ = QStringLiteral("cannot rename ") + partialPath;
            return BackupStatus::CannotWrite;
        }
        if (busy(code))
            return BackupStatus::Busy;
        return cannotWrite(code) ? BackupStatus::CannotWrite : BackupStatus::CopyFailed;
    }
    qCDebug(lcBackup) << "backup taken:" << path;
    if (createdPath)
        *createdPath = path;
    prune(keep);
    return BackupStatus::Ok;
}

void DatabaseBackup::prune(const QString& keep) const {
    const QList<BackupEntry> entries = list();
    const QString kept = keep.isEmpty() ? QString() : QFileInfo(keep).absoluteFilePath();
    for (int i = kKept; i < entries.size(); ++i) {
        if (QFileInfo(entries[i].path).absoluteFilePath() == kept)
            continue;
        if (!QFile::remove(entries[i].path))
            qCWarning(lcBackup) << "cannot remove old backup" << entries[i].path;
    }
}

QList<BackupEntry> DatabaseBackup::list() const {
    QList<BackupEntry> entries;
    const QDir folder(directory());
    for (const QString& name :
         folder.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name)) {
        BackupEntry entry;
        if (!parseFileName(name, &entry.taken, &entry.meterNumber, &entry.cause))
            continue;
        entry.path = folder.filePath(name);
        OwnConnection db(entry.path, SQLITE_OPEN_READONLY);
        if (db.get() && !countContent(db.get(), &entry.libraries, &entry.colours)) {
            entry.libraries = -1;
            entry.colours = -1;
        }
        // Older copies were named after the meter attached when they were
        // taken; the copy itself says whose libraries it holds.
        if (db.get() && entry.readable()) {
            const QStringList meters = meterNumbersOf(db.get());
            if (!meters.isEmpty())
                entry.meterNumber = meters.join(QStringLiteral(" / "));
        }
        entries << entry;
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const BackupEntry& a, const BackupEntry& b) { return a.taken > b.taken; });
    return entries;
}

BackupStatus DatabaseBackup::restore(const QString& backupPath, const QString& meterNumber,
                                     QString* safetyCopyPath) {
    lastError_.clear();
    if (!QFileInfo(backupPath).isFile()) {
        lastError_ = QStringLiteral("no file at ") + backupPath;
        return BackupStatus::NotABackup;
    }
    OwnConnection copy(backupPath, SQLITE_OPEN_READONLY);
    if (!copy.get() || !isColourDatabase(copy.get())) {
        lastError_ = copy.get() ? QString::fromUtf8(sqlite3_errmsg(copy.get())) : copy.error();
        return BackupStatus::NotABackup;
    }

    sqlite3* live = handleOf(connectionName_);
    if (live && !sqlite3_get_autocommit(live)) {
        lastError_ = QStringLiteral("a transaction is open");
        return BackupStatus::Busy;
    }
    // What is about to be replaced is itself backed up first; with no
    // database there is nothing to lose.
    const BackupStatus saved = takeKeeping(meterNumber, QString::fromLatin1(BackupCause::Restore),
                                           backupPath, safetyCopyPath);
    if (saved != BackupStatus::Ok && saved != BackupStatus::NoDatabase)
        return saved;

    std::unique_ptr<OwnConnection> own;
    if (!live) {
        own = std::make_unique<OwnConnection>(databasePath_,
                                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        live = own->get();
        if (!live) {
            lastError_ = own->error();
            return BackupStatus::CannotWrite;
        }
    }
    const int code = copyPages(live, copy.get(), &lastError_);
    if (code != SQLITE_OK) {
        qCWarning(lcBackup) << "restore failed:" << lastError_;
        if (busy(code))
            return BackupStatus::Busy;
        return cannotWrite(code) ? BackupStatus::CannotWrite : BackupStatus::CopyFailed;
    }
    qCDebug(lcBackup) << "restored" << backupPath << "into" << databasePath_;
    return BackupStatus::Ok;
}

}  // namespace colorcard
