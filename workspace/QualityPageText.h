// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QString>

#include "colour/Tolerance.h"

namespace colorcard {

// The form texts of the quality page and its panels: one translation
// context, the page's, whichever panel shows them.
struct QualityPageText {
    Q_DECLARE_TR_FUNCTIONS(QualityPage)
};

namespace QualityPageStyle {

inline QString fixed(double value) {
    return QString::number(value, 'f', 2);
}

inline QString labText(const Lab& lab) {
    return QStringLiteral("L* %1   a* %2   b* %3").arg(fixed(lab.L), fixed(lab.a), fixed(lab.b));
}

inline QLabel* named(QLabel* label, const char* name) {
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace QualityPageStyle

}  // namespace colorcard
