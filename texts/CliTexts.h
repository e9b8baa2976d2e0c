// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Texts of the command line program; errors are printed after "colorcard-cli: ".
namespace CliText {

inline constexpr BilingualText Description{
    "CliText", QT_TRANSLATE_NOOP3(
                   "CliText", "Reads the colour card libraries and computes colour differences.",
                   "Description")};
inline constexpr BilingualText CommandsHeading{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "Commands:", "CommandsHeading")};
inline constexpr BilingualText CommandHelpHint{
    "CliText", QT_TRANSLATE_NOOP3("CliText",
                                  "Run \"colorcard-cli COMMAND --help\" for the options of a "
                                  "command. Exit status: 0 success, 1 failure, 2 wrong usage.",
                                  "CommandHelpHint")};

inline constexpr BilingualText HelpOption{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "Shows this help.", "HelpOption")};
inline constexpr BilingualText DatabaseOption{
    "CliText",
    QT_TRANSLATE_NOOP3("CliText", "The store to use (default: the program's own database.db).",
                       "DatabaseOption")};
inline constexpr BilingualText JsonOption{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "Prints the list as JSON.", "JsonOption")};
inline constexpr BilingualText FormulaOption{
    "CliText",
    QT_TRANSLATE_NOOP3(
        "CliText",
        "Colour-difference formula: 76, 94 (graphic arts), 94t (textiles), cmc or 00 (default 00).",
        "FormulaOption")};
inline constexpr BilingualText LOption{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "CMC lightness weight l (default 2).", "LOption")};
inline constexpr BilingualText COption{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "CMC chroma weight c (default 1).", "COption")};
inline constexpr BilingualText KOptions{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "CIEDE2000 factor (default 1).", "KOptions")};
inline constexpr BilingualText CountOption{
    "CliText",
    QT_TRANSLATE_NOOP3("CliText", "How many standards to list (default 5).", "CountOption")};

inline constexpr BilingualText LibrariesSummary{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "List the libraries.", "LibrariesSummary")};
inline constexpr BilingualText ColoursSummary{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "List the colours of a library.", "ColoursSummary")};
inline constexpr BilingualText ColoursLibraryArgument{
    "CliText",
    QT_TRANSLATE_NOOP3("CliText", "Identifier or name of the library.", "ColoursLibraryArgument")};
inline constexpr BilingualText DeltaESummary{
    "CliText", QT_TRANSLATE_NOOP3(
                   "CliText", "Colour difference of a sample from its reference (reference first).",
                   "DeltaESummary")};
inline constexpr BilingualText DeltaEArguments{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "L*a*b* of the reference, then of the sample.",
                                  "DeltaEArguments")};
inline constexpr BilingualText NearestSummary{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "The standards of all libraries nearest a colour.",
                                  "NearestSummary")};
inline constexpr BilingualText NearestArguments{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "L*a*b* of the sample.", "NearestArguments")};

inline constexpr BilingualText NoCommand{
    "CliText",
    QT_TRANSLATE_NOOP3("CliText", "no command given; see colorcard-cli --help", "NoCommand")};
inline constexpr BilingualText UnknownCommand{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "unknown command %1; see colorcard-cli --help",
                                  "UnknownCommand")};
inline constexpr BilingualText ArgumentCount{
    "CliText",
    QT_TRANSLATE_NOOP3("CliText", "%1 expects %2; see colorcard-cli %1 --help", "ArgumentCount")};
inline constexpr BilingualText NotANumber{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "%1 is not a number", "NotANumber")};
inline constexpr BilingualText UnknownFormula{
    "CliText",
    QT_TRANSLATE_NOOP3("CliText", "unknown formula %1 (76, 94, 94t, cmc or 00)", "UnknownFormula")};
inline constexpr BilingualText BadParameter{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "--%1 must be a positive number", "BadParameter")};
inline constexpr BilingualText ParameterNotForFormula{
    "CliText",
    QT_TRANSLATE_NOOP3("CliText", "--%1 does not apply to formula %2", "ParameterNotForFormula")};
inline constexpr BilingualText BadCount{
    "CliText",
    QT_TRANSLATE_NOOP3("CliText", "--count must be a whole number from 1 to 1000", "BadCount")};
inline constexpr BilingualText NoDatabase{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "no database at %1", "NoDatabase")};
inline constexpr BilingualText StoreUnreadable{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "cannot read the database %1: %2", "StoreUnreadable")};
inline constexpr BilingualText NoLibrary{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "no library %1", "NoLibrary")};
inline constexpr BilingualText AmbiguousLibrary{
    "CliText", QT_TRANSLATE_NOOP3("CliText", "%2 libraries are named %1; give the identifier",
                                  "AmbiguousLibrary")};

}  // namespace CliText

}  // namespace colorcard
