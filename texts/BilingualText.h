// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "texts/Language.h"

namespace colorcard {

// One message of the program: its English source text, marked for lupdate,
// and read in any installed language through the text catalogue. Every text
// the user reads outside the forms is one of these constants, declared once
// in a catalogue header of this folder (one header per area, the namespace
// being the translation context):
//   Name{"Area", QT_TRANSLATE_NOOP3("Area", "English", "Name")}
// The translations are in resources/translations/ColorCard_<language>.ts.
struct BilingualText {
    // What QT_TRANSLATE_NOOP3 expands to: the source and its disambiguation.
    struct Source {
        const char* text;
        const char* disambiguation;
        bool chineseOnly = false;
    };

    // A text that exists in Chinese only: its source is the Chinese, and in
    // English it reads empty.
    struct ChineseOnly {};

    constexpr BilingualText(const char* context, Source source)
        : context(context), source(source.text), disambiguation(source.disambiguation) {}
    constexpr BilingualText(const char* context, Source source, ChineseOnly)
        : context(context),
          source(source.text),
          disambiguation(source.disambiguation),
          chineseOnly(true) {}

    const char* context;
    const char* source;
    const char* disambiguation;
    bool chineseOnly = false;

    // The text in the language asked for, whatever the window shows; the
    // English where that language has no translation of it.
    QString in(const Language& language) const;
};

}  // namespace colorcard
