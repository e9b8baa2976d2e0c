// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "texts/Language.h"

class QTranslator;

namespace colorcard {

// The translations of the catalogue, one translator per language, loaded when
// a language is first asked for. The compiled translations built into the
// program are always there; directories added here (where the program finds
// its installed .qm files) come first, so a language installed as a
// ColorCard_<code>.qm file needs no rebuild.
namespace TextCatalogue {

// English: the language the sources are written in.
// A literal, not a QString: texts are read during static initialisation.
inline constexpr QLatin1String kSourceLanguage("en", 2);

QString translate(const Language& language, const char* context, const char* source,
                  const char* disambiguation);

// Looks for ColorCard_<code>.qm in directory before the built-in ones.
void addDirectory(const QString& directory);

// The codes of every language a translation is found for, sorted, the
// source language included.
QStringList languages();

// The ColorCard_<code>.qm file of every language found in directories, by code.
QStringList languagesIn(const QStringList& directories);

// The translator the forms and tr() read, installed in the application in
// place of the one before (none with null). The program starts with the
// Chinese one, as it always has.
void setApplicationTranslator(std::unique_ptr<QTranslator> translator);

// The translation of a language from the catalogue's search path, or null.
std::unique_ptr<QTranslator> loadTranslator(const QString& code);

// The name of a language as its own speakers write it ("中文"), from its
// translation; the code where there is none.
QString nativeName(const QString& code);

}  // namespace TextCatalogue

}  // namespace colorcard
