// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// One message of the program in both of its languages. Every text the user
// reads outside the forms is one of these constants, declared once in a
// catalogue header of this folder (one header per area of the program).
struct BilingualText {
    const char* english;
    const char* chinese;

    QString in(bool chinese) const { return QString::fromUtf8(chinese ? this->chinese : english); }
};
