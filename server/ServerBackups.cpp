// SPDX-License-Identifier: MIT
#include "server/ServerBackups.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "server/PgRepository.h"

namespace colorcard {

namespace {

const char* const kColumns =
    "id, library_key, library ->> 'name', COALESCE(library ->> 'description', ''), "
    "extract(epoch FROM taken_at)::float8, taken_by, cause, jsonb_array_length(colours)";

LibraryBackup backupOf(const QSqlQuery& query) {
    LibraryBackup backup;
    backup.id = query.value(0).toLongLong();
    backup.libraryId = query.value(1).toString();
    backup.name = query.value(2).toString();
    backup.description = query.value(3).toString();
    backup.takenAt =
        QDateTime::fromMSecsSinceEpoch(qint64(query.value(4).toDouble() * 1000.0), Qt::UTC);
    backup.takenBy = query.value(5).toString();
    backup.cause = query.value(6).toString();
    backup.colours = query.value(7).toInt();
    return backup;
}

bool run(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

}  // namespace

QJsonObject LibraryBackup::toJson() const {
    return QJsonObject{{QStringLiteral("id"), double(id)},
                       {QStringLiteral("library"), libraryId},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("description"), description},
                       {QStringLiteral("time"), takenAt.toString(Qt::ISODateWithMs)},
                       {QStringLiteral("by"), takenBy},
                       {QStringLiteral("cause"), cause},
                       {QStringLiteral("colours"), colours}};
}

std::optional<QVector<LibraryBackup>> ServerBackups::list(QSqlDatabase& db,
                                                          const QString& libraryId, QString* error,
                                                          int limit) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString where =
        libraryId.isEmpty() ? QString() : QStringLiteral(" WHERE library_key = ?");
    QVariantList values;
    if (!libraryId.isEmpty())
        values << libraryId;
    values << limit;
    if (!run(query,
             QStringLiteral("SELECT %1 FROM colorcard.library_backups%2 ORDER BY taken_at DESC, "
                            "id DESC LIMIT ?")
                 .arg(QLatin1String(kColumns), where),
             values)) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    QVector<LibraryBackup> backups;
    while (query.next())
        backups << backupOf(query);
    return backups;
}

ServerBackups::Restored ServerBackups::restore(QSqlDatabase& db, qint64 backupId) {
    Restored result;
    const auto failed = [&](const QSqlError& error) {
        db.rollback();
        result.error = error.text();
        result.failure = PgRepository::failureOf(error);
        return result;
    };
    if (!db.transaction())
        return failed(db.lastError());
    QSqlQuery query(db);
    // The copy's content is read first: backing up the library it replaces
    // may push this very copy out of the twenty kept.
    if (!run(query,
             QStringLiteral("SELECT %1, library::text, colours::text, tolerance::text FROM "
                            "colorcard.library_backups WHERE id = ?")
                 .arg(QLatin1String(kColumns)),
             {backupId}))
        return failed(query.lastError());
    if (!query.next()) {
        db.rollback();
        result.failure = LibraryRepository::Failure::Stale;
        return result;
    }
    result.backup = backupOf(query);
    const QString library = query.value(8).toString();
    const QString colours = query.value(9).toString();
    // Null: the library had the default tolerance when it was copied.
    const QVariant tolerance = query.value(10);
    const QString key = result.backup.libraryId;
    if (!run(query,
             QStringLiteral(
                 "INSERT INTO colorcard.library_backups (library_key, cause, library, colours) "
                 "SELECT l.library_key, 'restore', to_jsonb(l), COALESCE((SELECT "
                 "jsonb_agg(to_jsonb(c) ORDER BY c.position, c.id) FROM colorcard.colours c "
                 "WHERE c.library_id = l.id), '[]'::jsonb) FROM colorcard.libraries l WHERE "
                 "l.library_key = ?"),
             {key}) ||
        !run(query, QStringLiteral("DELETE FROM colorcard.libraries WHERE library_key = ?"), {key}))
        return failed(query.lastError());
    if (!run(query,
             QStringLiteral("INSERT INTO colorcard.libraries (library_key, meter_number, name, "
                            "description) SELECT b ->> 'library_key', COALESCE(b ->> "
                            "'meter_number', ''), b ->> 'name', COALESCE(b ->> 'description', '') "
                            "FROM (SELECT ?::jsonb AS b) s RETURNING id"),
             {library}) ||
        !query.next())
        return failed(query.lastError());
    const qint64 libraryRow = query.value(0).toLongLong();
    if (!run(query,
             QStringLiteral(
                 "INSERT INTO colorcard.colours (library_id, colour_key, position, name, lab_l, "
                 "lab_a, lab_b, luv_l, luv_u, luv_v, lch_l, lch_c, lch_h, yxy_y, yxy_x, yxy_y2, "
                 "cmyk_c, cmyk_m, cmyk_y, cmyk_k, rgb_r, rgb_g, rgb_b) SELECT ?, colour_key, "
                 "position, name, lab_l, lab_a, lab_b, luv_l, luv_u, luv_v, lch_l, lch_c, lch_h, "
                 "yxy_y, yxy_x, yxy_y2, cmyk_c, cmyk_m, cmyk_y, cmyk_k, rgb_r, rgb_g, rgb_b FROM "
                 "jsonb_populate_recordset(NULL::colorcard.colours, ?::jsonb) ORDER BY position"),
             {libraryRow, colours}))
        return failed(query.lastError());
    if (!tolerance.isNull() &&
        !run(query,
             QStringLiteral("INSERT INTO colorcard.tolerances (library_id, formula, cmc_l, cmc_c, "
                            "k_l, k_c, k_h, tolerance_limit) SELECT ?, formula, cmc_l, cmc_c, k_l, "
                            "k_c, k_h, tolerance_limit FROM "
                            "jsonb_populate_record(NULL::colorcard.tolerances, ?::jsonb)"),
             {libraryRow, tolerance.toString()}))
        return failed(query.lastError());
    if (!db.commit())
        return failed(db.lastError());
    result.ok = true;
    return result;
}

}  // namespace colorcard
