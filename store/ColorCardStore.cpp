#include "ColorCardStore.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "DataFiles.h"
#include "Messenger.h"

// Every statement and every failure is traced here; enable with
// QT_LOGGING_RULES="colorcard.store.debug=true".
Q_LOGGING_CATEGORY(lcStore, "colorcard.store", QtInfoMsg)

namespace {

const char* const kDatabaseFileName = "database.db";
const char* const kIdTimeFormat = "yyMMddhhmmss";

const QString kCreateLibraryTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS ColorCard (id INTEGER PRIMARY KEY AUTOINCREMENT, colorcardid TEXT "
    "NOT NULL, meterno TEXT, colorcardname TEXT, colorcarddesc TEXT, colorcardcount TEXT)");

// The nineteen value columns of a colour table, in column order.
const QStringList kValueColumns = {
    QStringLiteral("LabL"),  QStringLiteral("Laba"),  QStringLiteral("Labb"),
    QStringLiteral("LuvL"),  QStringLiteral("Luvu"),  QStringLiteral("Luvv"),
    QStringLiteral("LChL"),  QStringLiteral("LChC"),  QStringLiteral("LChh"),
    QStringLiteral("YxyY"),  QStringLiteral("Yxyx"),  QStringLiteral("Yxyy2"),
    QStringLiteral("CMYKC"), QStringLiteral("CMYKM"), QStringLiteral("CMYKY"),
    QStringLiteral("CMYKK"), QStringLiteral("RGBR"),  QStringLiteral("RGBG"),
    QStringLiteral("RGBB")};

// Table names are identifiers, never values: quote them so that no name can
// change the statement.
QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

// A null string would bind as NULL; the columns hold texts, so bind "".
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

QString insertColorDataStatement(const QString& libraryId) {
    return QStringLiteral("INSERT INTO %1 (colordataid, colordataname, %2) VALUES (%3)")
        .arg(quoted(libraryId), kValueColumns.join(QStringLiteral(", ")),
             placeholders(2 + kValueColumns.size()));
}

QString insertLabStatement(const QString& libraryId) {
    return QStringLiteral(
               "INSERT INTO %1 (colordataid, colordataname, LabL, Laba, Labb) VALUES (?, ?, ?, ?, "
               "?)")
        .arg(quoted(libraryId));
}

QAtomicInt connectionCounter;

}  // namespace

struct ColorCardStore::Impl {
    Messenger& messenger;
    QString directory;
    QString connection;
    std::function<QDateTime()> clock;
    // An outer transaction begun by beginTransaction is open.
    bool inTransaction = false;

    Impl(Messenger& m, const QString& dir)
        : messenger(m),
          directory(dir),
          connection(
              QStringLiteral("ColorCardStore_%1").arg(connectionCounter.fetchAndAddRelaxed(1))),
          clock([] { return QDateTime::currentDateTime(); }) {}

    QSqlDatabase database() const { return QSqlDatabase::database(connection, false); }

    // Prepares, binds and runs one statement; traces it and its failure.
    bool exec(QSqlQuery& query, const QString& statement, const QVariantList& values = {}) {
        qCDebug(lcStore) << "exec:" << statement << values;
        // The toolkit warns on every statement prepared on a closed connection.
        if (!database().isOpen()) {
            qCDebug(lcStore) << "failed: database not open";
            return false;
        }
        bool ok = query.prepare(statement);
        if (ok) {
            for (const QVariant& value : values)
                query.addBindValue(value);
            ok = query.exec();
        }
        if (!ok)
            qCDebug(lcStore) << "failed:" << statement << query.lastError().text();
        return ok;
    }

    bool exec(const QString& statement, const QVariantList& values = {}) {
        QSqlQuery query(database());
        return exec(query, statement, values);
    }

    void closeConnection() {
        inTransaction = false;
        if (!QSqlDatabase::contains(connection))
            return;
        {
            QSqlDatabase db = database();
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }

    // Runs the batch statement once per row in one transaction. A row that
    // fails does not stop the others; the failure is still reported once.
    void insertBatch(const QString& statement, const QStringList& colorIds,
                     const QList<QStringList>& columns, int columnCount) {
        QSqlDatabase db = database();
        const bool ownTransaction = !inTransaction;
        if (ownTransaction)
            db.transaction();
        bool allRows = true;
        {
            QSqlQuery query(db);
            const bool prepared = db.isOpen() && query.prepare(statement);
            qCDebug(lcStore) << "batch:" << statement << colorIds.size() << "rows";
            for (int i = 0; i < colorIds.size(); ++i) {
                bool complete = prepared;
                QVariantList values{text(colorIds[i])};
                for (int c = 0; c < columnCount && complete; ++c) {
                    if (c >= columns.size() || i >= columns[c].size())
                        complete = false;
                    else
                        values << text(columns[c][i]);
                }
                if (!complete) {
                    qCDebug(lcStore) << "batch row" << i << "skipped: missing values";
                    allRows = false;
                    continue;
                }
                for (int v = 0; v < values.size(); ++v)
                    query.bindValue(v, values[v]);
                if (!query.exec()) {
                    qCDebug(lcStore) << "batch row" << i << "failed:" << query.lastError().text();
                    allRows = false;
                }
            }
        }
        const auto failed = [this] {
            messenger.tip(QStringLiteral("Insert color card data fail!"),
                          QStringLiteral("插入色卡数据失败！"));
        };
        if (ownTransaction && !db.commit()) {
            qCDebug(lcStore) << "commit failed:" << db.lastError().text();
            failed();
            db.rollback();
            return;
        }
        if (!allRows)
            failed();
    }
};

ColorCardStore::ColorCardStore(Messenger& messenger, const QString& directory)
    : d(new Impl(messenger, directory)) {}

ColorCardStore::~ColorCardStore() {
    d->closeConnection();
    delete d;
}

QString ColorCardStore::defaultDirectory() {
    return DataFiles::databaseDirectory();
}

QString ColorCardStore::databasePath() const {
    return d->directory + QLatin1Char('/') + QLatin1String(kDatabaseFileName);
}

QString ColorCardStore::connectionName() const {
    return d->connection;
}

bool ColorCardStore::isOpen() const {
    return QSqlDatabase::contains(d->connection) && d->database().isOpen();
}

void ColorCardStore::setClock(std::function<QDateTime()> clock) {
    d->clock = std::move(clock);
}

bool ColorCardStore::openDatabase() {
    // Re-adding replaces a registration left by an earlier open.
    d->closeConnection();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connection);
        db.setDatabaseName(databasePath());
        if (!db.open()) {
            qCDebug(lcStore) << "open failed:" << databasePath() << db.lastError().text();
            d->messenger.tip(QStringLiteral("Open database fail!"),
                             QStringLiteral("数据库打开失败！"));
            return false;
        }
    }
    QSqlQuery query(d->database());
    if (!d->exec(query, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                       "name = 'ColorCard'"))) {
        d->messenger.tip(QStringLiteral("Query color card library table fail!"),
                         QStringLiteral("查询色卡库表失败！"));
        return false;
    }
    if (query.next())
        return true;
    query.finish();
    if (createLibraryTable())
        return true;
    d->messenger.tip(QStringLiteral("Create color card library table fail!"),
                     QStringLiteral("创建色卡库表失败！"));
    return false;
}

bool ColorCardStore::createLibraryTable() {
    if (d->exec(kCreateLibraryTable))
        return true;
    d->messenger.tip(QStringLiteral("Create color card library table fail!"),
                     QStringLiteral("创建色卡库表失败！"));
    return false;
}

void ColorCardStore::createColorDataTable(const QString& libraryId) {
    QStringList columns;
    for (const QString& column : kValueColumns)
        columns << column + QStringLiteral(" TEXT");
    const QString statement =
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS %1 (id INTEGER PRIMARY KEY AUTOINCREMENT, colordataid TEXT "
            "NOT NULL, colordataname TEXT, %2)")
            .arg(quoted(libraryId), columns.join(QStringLiteral(", ")));
    if (!d->exec(statement))
        d->messenger.tip(QStringLiteral("Create color card data table fail!"),
                         QStringLiteral("创建色卡数据表失败！"));
}

void ColorCardStore::insertLibrary(const QString& libraryId, const QString& meterNumber,
                                   const QString& name, const QString& description,
                                   const QString& count) {
    if (!d->exec(QStringLiteral("INSERT INTO ColorCard (colorcardid, meterno, colorcardname, "
                                "colorcarddesc, colorcardcount) VALUES (?, ?, ?, ?, ?)"),
                 {text(libraryId), text(meterNumber), text(name), text(description), text(count)}))
        d->messenger.tip(QStringLiteral("Insert color card library fail!"),
                         QStringLiteral("插入色卡库失败！"));
}

void ColorCardStore::insertColorData(const QString& libraryId, const QString& colorId,
                                     const QString& name, const QStringList& values) {
    QVariantList bound{text(colorId), text(name)};
    for (const QString& value : values)
        bound << text(value);
    // A wrong number of values fails on the parameter count, like a bad row.
    if (!d->exec(insertColorDataStatement(libraryId), bound))
        d->messenger.tip(QStringLiteral("Insert color card data fail!"),
                         QStringLiteral("插入色卡数据失败！"));
}

void ColorCardStore::insertColorDataBatch(const QString& libraryId, const QStringList& colorIds,
                                          const QList<QStringList>& columns) {
    d->insertBatch(insertColorDataStatement(libraryId), colorIds, columns,
                   1 + kValueColumns.size());
}

void ColorCardStore::insertColorDataBatchLab(const QString& libraryId, const QStringList& colorIds,
                                             const QStringList& names, const QStringList& L,
                                             const QStringList& a, const QStringList& b) {
    d->insertBatch(insertLabStatement(libraryId), colorIds, {names, L, a, b}, 4);
}

bool ColorCardStore::beginTransaction() {
    if (d->inTransaction)
        return false;
    QSqlDatabase db = d->database();
    d->inTransaction = db.isOpen() && db.transaction();
    return d->inTransaction;
}

void ColorCardStore::commitTransaction() {
    if (!d->inTransaction)
        return;
    d->inTransaction = false;
    QSqlDatabase db = d->database();
    if (!db.commit()) {
        qCDebug(lcStore) << "commit failed:" << db.lastError().text();
        d->messenger.tip(QStringLiteral("Insert color card data fail!"),
                         QStringLiteral("插入色卡数据失败！"));
        db.rollback();
    }
}

void ColorCardStore::updateLibraryName(const QString& name, const QString& description,
                                       const QString& libraryId) {
    if (!d->exec(QStringLiteral("UPDATE ColorCard SET colorcardname = ?, colorcarddesc = ? WHERE "
                                "colorcardid = ?"),
                 {text(name), text(description), text(libraryId)}))
        d->messenger.tip(QStringLiteral("Modify color card library name fail!"),
                         QStringLiteral("修改色卡库名称失败！"));
}

void ColorCardStore::updateLibraryCount(const QString& count, const QString& libraryId) {
    if (!d->exec(QStringLiteral("UPDATE ColorCard SET colorcardcount = ? WHERE colorcardid = ?"),
                 {text(count), text(libraryId)}))
        d->messenger.tip(QStringLiteral("Update color card library count fail!"),
                         QStringLiteral("更新色卡库数量失败！"));
}

void ColorCardStore::updateColorDataName(const QString& libraryId, const QString& name,
                                         const QString& colorId) {
    if (!d->exec(QStringLiteral("UPDATE %1 SET colordataname = ? WHERE colordataid = ?")
                     .arg(quoted(libraryId)),
                 {text(name), text(colorId)}))
        d->messenger.tip(QStringLiteral("Modify color card name fail!"),
                         QStringLiteral("修改色卡名称失败！"));
}

void ColorCardStore::updateColorData(const QString& libraryId, const QStringList& values,
                                     const QString& colorId) {
    QStringList assignments;
    for (const QString& column : kValueColumns)
        assignments << column + QStringLiteral(" = ?");
    QVariantList bound;
    for (const QString& value : values)
        bound << text(value);
    bound << text(colorId);
    if (!d->exec(QStringLiteral("UPDATE %1 SET %2 WHERE colordataid = ?")
                     .arg(quoted(libraryId), assignments.join(QStringLiteral(", "))),
                 bound))
        d->messenger.tip(QStringLiteral("Update color card data fail!"),
                         QStringLiteral("更新色卡数据失败！"));
}

QString ColorCardStore::selectColorDataName(const QString& libraryId, const QString& colorId) {
    QSqlQuery query(d->database());
    if (!d->exec(query,
                 QStringLiteral("SELECT colordataname FROM %1 WHERE colordataId = ?")
                     .arg(quoted(libraryId)),
                 {text(colorId)})) {
        d->messenger.tip(QStringLiteral("Query color card name fail！"),
                         QStringLiteral("查询色卡名称失败！"));
        return QString(QLatin1String(""));
    }
    if (query.next())
        return query.value(0).toString();
    return QString(QLatin1String(""));
}

QList<LibraryRecord> ColorCardStore::selectLibraries() {
    QList<LibraryRecord> records;
    QSqlQuery query(d->database());
    if (!d->exec(query, QStringLiteral("SELECT id, colorcardid, meterno, colorcardname, "
                                       "colorcarddesc, colorcardcount FROM ColorCard"))) {
        d->messenger.tip(QStringLiteral("Query color card library fail！"),
                         QStringLiteral("查询色卡库失败！"));
        return records;
    }
    while (query.next()) {
        LibraryRecord record{query.value(0).toInt()};
        for (int i = 1; i < 6; ++i)
            record << query.value(i).toString();
        records << record;
    }
    return records;
}

QList<ColorDataRecord> ColorCardStore::selectColorData(const QString& libraryId) {
    QList<ColorDataRecord> records;
    QSqlQuery query(d->database());
    if (!d->exec(query, QStringLiteral("SELECT id, colordataid, colordataname, %1 FROM %2")
                            .arg(kValueColumns.join(QStringLiteral(", ")), quoted(libraryId)))) {
        d->messenger.tip(QStringLiteral("Query color card data fail！"),
                         QStringLiteral("查询色卡数据失败！"));
        return records;
    }
    const int columns = 3 + kValueColumns.size();
    while (query.next()) {
        ColorDataRecord record{query.value(0).toInt()};
        for (int i = 1; i < columns; ++i)
            record << query.value(i).toString();
        records << record;
    }
    return records;
}

void ColorCardStore::dropColorDataTable(const QString& libraryId) {
    if (!d->exec(QStringLiteral("DROP TABLE %1").arg(quoted(libraryId))))
        d->messenger.tip(QStringLiteral("Delete color card data table fail！"),
                         QStringLiteral("删除色卡数据表失败！"));
}

void ColorCardStore::deleteLibrary(const QString& libraryId) {
    if (!d->exec(QStringLiteral("DELETE FROM ColorCard WHERE colorcardid = ?"), {text(libraryId)}))
        d->messenger.tip(QStringLiteral("Delete color card library fail！"),
                         QStringLiteral("删除色卡库失败！"));
}

void ColorCardStore::deleteColorData(const QString& libraryId, const QString& colorId) {
    if (!d->exec(QStringLiteral("DELETE FROM %1 WHERE colordataid = ?").arg(quoted(libraryId)),
                 {text(colorId)}))
        d->messenger.tip(QStringLiteral("Delete color card fail！"),
                         QStringLiteral("删除色卡失败！"));
}

void ColorCardStore::deleteDatabaseFile() {
    // The connection is removed, not only closed: openDatabase adds it again.
    d->closeConnection();
    const QString path = databasePath();
    if (!QFileInfo::exists(path))
        return;
    if (!QFile::remove(path)) {
        qCDebug(lcStore) << "cannot remove" << path;
        d->messenger.tip(QStringLiteral("Delete database file fail！"),
                         QStringLiteral("删除数据库文件失败！"));
    }
}

QString ColorCardStore::makeLibraryId(int number) {
    const QString stamp = d->clock().toString(QLatin1String(kIdTimeFormat));
    // Taken when it names a library row or any table (table names ignore case).
    const auto taken = [this](const QString& id) {
        QSqlQuery query(d->database());
        if (d->exec(query, QStringLiteral("SELECT 1 FROM ColorCard WHERE colorcardid = ?"), {id}) &&
            query.next())
            return true;
        query.finish();
        return d->exec(query,
                       QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = ? COLLATE NOCASE"),
                       {id}) &&
               query.next();
    };
    QString id;
    for (int n = number;; ++n) {
        id = QStringLiteral("ColorCard%1").arg(n) + stamp;
        if (!taken(id))
            return id;
    }
}

QStringList ColorCardStore::makeColorIds(const QString& libraryId, int firstNumber, int count) {
    const QString stamp = d->clock().toString(QLatin1String(kIdTimeFormat));
    QSet<QString> existing;
    {
        QSqlQuery query(d->database());
        if (d->exec(query, QStringLiteral("SELECT colordataid FROM %1").arg(quoted(libraryId)))) {
            while (query.next())
                existing.insert(query.value(0).toString());
        }
    }
    QStringList ids;
    for (int n = firstNumber; ids.size() < count; ++n) {
        const QString id = QStringLiteral("ColorData%1").arg(n) + stamp;
        if (!existing.contains(id))
            ids << id;
    }
    return ids;
}
