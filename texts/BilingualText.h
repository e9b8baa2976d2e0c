// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "texts/Language.h"

// One message of the program in both of its languages. Every text the user
// reads outside the forms is one of these constants, declared once in a
// catalogue header of this folder (one header per area of the program).
struct BilingualText {
    const char* english;
    const char* chinese;

    // Languages without texts of their own read the English.
    QString in(const Language& language) const {
        return QString::fromUtf8(language.isChinese() ? chinese : english);
    }
};
