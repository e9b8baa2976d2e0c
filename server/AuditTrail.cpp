// SPDX-License-Identifier: MIT
#include "server/AuditTrail.h"

#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace colorcard {

namespace {

// Columns the server keeps up to date itself: not part of what a person changed.
bool bookkeeping(const QString& key) {
    return key == QLatin1String("id") || key == QLatin1String("version") ||
           key == QLatin1String("changed_by") || key == QLatin1String("changed_at") ||
           key == QLatin1String("library_id");
}

QString shown(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::String:
            return value.toString();
        case QJsonValue::Double:
            return QString::number(value.toDouble());
        case QJsonValue::Bool:
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        default:
            return QStringLiteral("-");
    }
}

QJsonObject objectOf(const QVariant& value) {
    return QJsonDocument::fromJson(value.toString().toUtf8()).object();
}

}  // namespace

QString AuditEntry::summary() const {
    const QJsonObject& row = newValues.isEmpty() ? oldValues : newValues;
    if (action != QLatin1String("update")) {
        for (const char* key : {"name", "formula"})
            if (row.contains(QLatin1String(key)))
                return QStringLiteral("%1: %2").arg(QLatin1String(key),
                                                    shown(row.value(QLatin1String(key))));
        return QString();
    }
    QStringList changes;
    for (auto it = newValues.begin(); it != newValues.end(); ++it) {
        if (bookkeeping(it.key()) || oldValues.value(it.key()) == it.value())
            continue;
        changes << QStringLiteral("%1: %2 → %3")
                       .arg(it.key(), shown(oldValues.value(it.key())), shown(it.value()));
    }
    return changes.join(QStringLiteral("; "));
}

QJsonObject AuditEntry::toJson() const {
    return QJsonObject{{QStringLiteral("id"), double(id)},
                       {QStringLiteral("time"), time.toString(Qt::ISODateWithMs)},
                       {QStringLiteral("user"), user},
                       {QStringLiteral("bench"), bench},
                       {QStringLiteral("table"), table},
                       {QStringLiteral("action"), action},
                       {QStringLiteral("library"), libraryId},
                       {QStringLiteral("old"), oldValues.isEmpty() ? QJsonValue() : oldValues},
                       {QStringLiteral("new"), newValues.isEmpty() ? QJsonValue() : newValues}};
}

std::optional<QVector<AuditEntry>> AuditTrail::read(QSqlDatabase& db, const QString& libraryId,
                                                    QString* error) {
    // A colour's row names its library by the server's id; the library's key
    // comes from the library, or from the audit rows of a library since removed.
    const QString key = QStringLiteral(
        "COALESCE(l.library_key, (SELECT COALESCE(x.new_values, x.old_values) ->> 'library_key' "
        "FROM colorcard.audit_log x WHERE x.table_name = 'libraries' AND x.library_id = "
        "a.library_id ORDER BY x.id LIMIT 1))");
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT * FROM (SELECT a.id, (extract(epoch FROM a.changed_at) "
                       "* 1000)::bigint, a.changed_by, a.bench, a.table_name, a.action, "
                       "%1 AS library_key, a.old_values::text, a.new_values::text FROM "
                       "colorcard.audit_log a LEFT JOIN colorcard.libraries l ON l.id = "
                       "a.library_id) t %2 ORDER BY id")
            .arg(key, libraryId.isEmpty() ? QString() : QStringLiteral("WHERE library_key = ?")));
    if (!libraryId.isEmpty())
        query.addBindValue(libraryId);
    if (!query.exec()) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    QVector<AuditEntry> entries;
    while (query.next()) {
        AuditEntry e;
        e.id = query.value(0).toLongLong();
        e.time = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
        e.user = query.value(2).toString();
        e.bench = query.value(3).toString();
        e.table = query.value(4).toString();
        e.action = query.value(5).toString();
        e.libraryId = query.value(6).toString();
        e.oldValues = objectOf(query.value(7));
        e.newValues = objectOf(query.value(8));
        entries << e;
    }
    return entries;
}

}  // namespace colorcard
