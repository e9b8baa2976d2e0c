// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

namespace colorcard {

// The moment every test store stamps its identifiers with.
inline QDateTime fixedTime() {
    return QDateTime(QDate(2026, 12, 6), QTime(18, 42, 31));
}
inline const QString kStamp = QStringLiteral("261206184231");

}  // namespace colorcard
