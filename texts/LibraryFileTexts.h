// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Saving libraries to and importing them from files of every type the Save
// and Import buttons and the command line offer (the exchange workbook keeps
// its own texts in ExchangeTexts.h). Placeholders are filled in order.
namespace LibraryFileText {

// %1 the selected library's name, %2 how many libraries there are.
inline constexpr BilingualText ExportSelectedOnly{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3(
        "LibraryFileText",
        "Export only the selected color card library \"%1\"? Choose No to export all %2 libraries.",
        "ExportSelectedOnly")};
inline constexpr BilingualText ReplaceFile{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "The file %1 already exists. Do you want to replace it?",
                       "ReplaceFile")};
inline constexpr BilingualText Exporting{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "Exporting color card data, please wait", "Exporting")};
inline constexpr BilingualText Importing{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "Importing color card data, please wait", "Importing")};
inline constexpr BilingualText NothingToExport{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "There are no color data to export!", "NothingToExport")};
// %1 the most colours, %2 the colours stored, %3 the new colours the file brings.
inline constexpr BilingualText TooManyColors{
    "LibraryFileText", QT_TRANSLATE_NOOP3("LibraryFileText",
                                          "At most %1 color datas can be kept: %2 are stored and "
                                          "the file brings %3 new ones, nothing was imported!",
                                          "TooManyColors")};
// %1 the L*, a*, b* texts, %2 the colour, %3 its library. The range is
// LabRange's, the one every way into the store keeps to.
inline constexpr BilingualText LabOutOfRange{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText",
                       "The L*a*b* values %1 of the color \"%2\" in the library \"%3\" lie outside "
                       "L* -10 to 150, a* and b* -200 to 200; nothing was imported!",
                       "LabOutOfRange")};
// A message composed elsewhere in the user's language (a file's refusal).
inline constexpr BilingualText Composed{"LibraryFileText",
                                        QT_TRANSLATE_NOOP3("LibraryFileText", "%1", "Composed")};

// The command line's export and import; errors follow "colorcard-cli: ".
inline constexpr BilingualText ExportSummary{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText",
                       "Write libraries to a CSV, CGATS.17, CxF3 or exchange workbook (.xls) file.",
                       "ExportSummary")};
inline constexpr BilingualText ImportSummary{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3(
        "LibraryFileText",
        "Read libraries from a CSV, CGATS.17, CxF3 or exchange workbook (.xls) file.",
        "ImportSummary")};
inline constexpr BilingualText ExportFileArgument{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "The file to write.", "ExportFileArgument")};
inline constexpr BilingualText ImportFileArgument{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "The file to read.", "ImportFileArgument")};
inline constexpr BilingualText FormatOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText",
                       "File format: csv, cgats, cxf or xls (default: from the file's suffix).",
                       "FormatOption")};
inline constexpr BilingualText LibraryOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText",
                       "Only this library (identifier or name); default every library.",
                       "LibraryOption")};
inline constexpr BilingualText ReplaceOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "Replace FILE when it exists.", "ReplaceOption")};
inline constexpr BilingualText OverwriteOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3(
        "LibraryFileText",
        "Merge into the libraries that exist already (the window's \"overwrite\" answer).",
        "OverwriteOption")};
inline constexpr BilingualText SkipExistingOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "Leave the libraries that exist already as they are.",
                       "SkipExistingOption")};
inline constexpr BilingualText MeterOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText",
                       "Meter number of the libraries (default: that of the stored libraries).",
                       "MeterOption")};
inline constexpr BilingualText MaxLibrariesOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3(
        "LibraryFileText",
        "The meter's library limit, 9 or 46 (default 9, or 46 when more than 9 are stored).",
        "MaxLibrariesOption")};
inline constexpr BilingualText IlluminantOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText",
                       "CxF3 illuminant of the L*a*b* values (default: the setting, D65).",
                       "IlluminantOption")};
inline constexpr BilingualText ObserverOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText",
                       "CxF3 observer, 2 or 10 degrees (default: the setting, 10).",
                       "ObserverOption")};
inline constexpr BilingualText BomOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "CSV with a UTF-8 byte-order mark.", "BomOption")};
inline constexpr BilingualText NoBomOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "CSV without a byte-order mark.", "NoBomOption")};

inline constexpr BilingualText UnknownFormat{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "unknown format %1 (csv, cgats, cxf or xls)",
                       "UnknownFormat")};
inline constexpr BilingualText FormatNotKnown{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText",
                       "cannot tell the format of %1 from its suffix; give --format",
                       "FormatNotKnown")};
inline constexpr BilingualText FileExists{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "%1 exists; --overwrite replaces it", "FileExists")};
inline constexpr BilingualText LibrariesExist{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3(
        "LibraryFileText",
        "already in the store: %1; --overwrite merges into them, --skip-existing leaves them",
        "LibrariesExist")};
inline constexpr BilingualText ExclusiveOptions{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "--%1 and --%2 exclude each other", "ExclusiveOptions")};
inline constexpr BilingualText OptionNotForFormat{
    "LibraryFileText", QT_TRANSLATE_NOOP3("LibraryFileText", "--%1 does not apply to format %2",
                                          "OptionNotForFormat")};
inline constexpr BilingualText BadMaxLibraries{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "--max-libraries must be 9 or 46", "BadMaxLibraries")};
inline constexpr BilingualText BadIlluminant{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "unknown illuminant %1 (%2)", "BadIlluminant")};
inline constexpr BilingualText BadObserver{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "--observer must be 2 or 10", "BadObserver")};
inline constexpr BilingualText QuestionRefused{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "%1 (not answered: give --overwrite or --skip-existing)",
                       "QuestionRefused")};

// What the command line's import and export did, on stdout.
inline constexpr BilingualText ImportJsonOption{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "Prints what was imported as JSON.", "ImportJsonOption")};
inline constexpr BilingualText LibrariesMerged{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "libraries: %1 added, %2 replaced, %3 kept",
                       "LibrariesMerged")};
inline constexpr BilingualText ColoursMerged{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "colours: %1 added, %2 replaced, %3 kept",
                       "ColoursMerged")};
inline constexpr BilingualText FileWritten{
    "LibraryFileText",
    QT_TRANSLATE_NOOP3("LibraryFileText", "wrote %1: %2 libraries, %3 colours", "FileWritten")};

}  // namespace LibraryFileText

}  // namespace colorcard
