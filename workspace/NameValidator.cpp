// SPDX-License-Identifier: MIT
#include "workspace/NameValidator.h"

namespace colorcard {

NameValidator::NameValidator(QObject* parent)
    : QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern())), parent) {}

}  // namespace colorcard
