// SPDX-License-Identifier: MIT
#include "store/DeviceSettings.h"

#include <QSettings>
#include <QStringList>

namespace colorcard {

QList<QVariantList> readDeviceSettings(const QString& filePath) {
    QList<QVariantList> table;
    // A missing or unreadable file simply reads as empty.
    QSettings settings(filePath, QSettings::IniFormat);
    for (int n = 1;; ++n) {
        const QString section = QStringLiteral("Device%1").arg(n);
        if (settings.value(section + QStringLiteral("/MeterNo")).toString().isEmpty())
            break;
        const QVariant version = settings.value(section + QStringLiteral("/Version"));
        const QVariant isTarvik = settings.value(section + QStringLiteral("/IsTarvik"));
        const QVariant uiIndex = settings.value(section + QStringLiteral("/UIIndex"));
        QVariant model = settings.value(section + QStringLiteral("/Model"));
        // The INI reader splits an unquoted value at commas; a model name is one text.
        if (model.userType() == QMetaType::QStringList)
            model = model.toStringList().join(QStringLiteral(", "));
        const QVariant meterNo = settings.value(section + QStringLiteral("/MeterNo"));
        const QVariant flush = settings.value(section + QStringLiteral("/FlushEveryExchange"));
        table.append(QVariantList{meterNo, model, uiIndex, isTarvik, version, flush});
    }
    return table;
}

}  // namespace colorcard
