// SPDX-License-Identifier: MIT
#include "workspace/NameValidator.h"

NameValidator::NameValidator(QObject* parent)
    : QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern())), parent) {}
