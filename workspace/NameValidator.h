// SPDX-License-Identifier: MIT
#pragma once

#include <QRegularExpressionValidator>

namespace colorcard {

// Names typed on the page (libraries, descriptions, colours): letters, digits,
// "-", "_" and spaces, case-sensitive.
class NameValidator : public QRegularExpressionValidator {
    Q_OBJECT
public:
    explicit NameValidator(QObject* parent = nullptr);

    static const char* pattern() { return "^[a-zA-Z0-9-_ ]+$"; }
};

}  // namespace colorcard
