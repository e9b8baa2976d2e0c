// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Messages of the open exchange formats (CSV, CGATS.17, CxF3): reading,
// checking and writing files. Placeholders are filled in order with %1, %2, ...
namespace FormatText {

inline constexpr BilingualText CannotOpen{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText", "Could not open the file %1!", "CannotOpen")};
inline constexpr BilingualText CannotWrite{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText", "Could not write the file %1!", "CannotWrite")};
inline constexpr BilingualText TooLarge{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText", "The file %1 is larger than %2 MB and is not imported!",
                       "TooLarge")};
// %2 lines at most (%4 colours and the lines around them); reading stopped at line %3.
inline constexpr BilingualText TooManyLines{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText",
                                     "The file %1 has more than %2 lines, more than %4 colors "
                                     "need: reading stopped at line %3 and nothing is imported!",
                                     "TooManyLines")};
inline constexpr BilingualText NotUtf8{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText", "The file %1 is not UTF-8 text!", "NotUtf8")};
inline constexpr BilingualText UnknownType{
    "FormatText",
    QT_TRANSLATE_NOOP3(
        "FormatText",
        "The type of the file %1 is not known: choose a .csv, .txt (CGATS.17), .cxf or .xls file!",
        "UnknownType")};
inline constexpr BilingualText Malformed{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText", "The file %1 is not a valid %2 file (line %3: %4)!",
                       "Malformed")};
inline constexpr BilingualText MalformedContent{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText", "The file %1 is not a valid %2 file (%3)!",
                                     "MalformedContent")};
inline constexpr BilingualText CsvUnterminatedQuote{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText",
                                     "The file %1 is not a valid CSV file: the quoted field that "
                                     "starts on line %2 is not closed!",
                                     "CsvUnterminatedQuote")};
inline constexpr BilingualText CsvFieldCount{
    "FormatText",
    QT_TRANSLATE_NOOP3(
        "FormatText",
        "The file %1 is not a valid CSV file: line %2 has %3 fields, the header has %4!",
        "CsvFieldCount")};
inline constexpr BilingualText MissingLabFields{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText",
                       "The file %1 lacks the L*a*b* fields %2: every color needs L*, a* and b*!",
                       "MissingLabFields")};
inline constexpr BilingualText MissingLabValues{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText", "The color \"%1\" of the library \"%2\" has no L*a*b* values!",
                       "MissingLabValues")};
inline constexpr BilingualText NotANumber{
    "FormatText",
    QT_TRANSLATE_NOOP3(
        "FormatText",
        "The %1 value of the color \"%2\" in the library \"%3\" is \"%4\", which is not a number!",
        "NotANumber")};
inline constexpr BilingualText OutOfRange{
    "FormatText",
    QT_TRANSLATE_NOOP3(
        "FormatText",
        "The %1 value of the color \"%2\" in the library \"%3\" is %4, outside %5 to %6!",
        "OutOfRange")};
inline constexpr BilingualText EmptyColorName{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText", "Color %1 of the library \"%2\" has no name!",
                                     "EmptyColorName")};
inline constexpr BilingualText EmptyLibraryName{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText", "A library in the file %1 has no name!", "EmptyLibraryName")};
inline constexpr BilingualText LibraryNameTooLong{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText",
                                     "The library name \"%1\" is %2 bytes long; the meter holds at "
                                     "most %3 bytes (a Chinese character takes 3)!",
                                     "LibraryNameTooLong")};
inline constexpr BilingualText DescriptionTooLong{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText",
                       "The description \"%1\" of the library \"%2\" is %3 bytes long; the meter "
                       "holds at most %4 bytes (a Chinese character takes 3)!",
                       "DescriptionTooLong")};
inline constexpr BilingualText ColorNameTooLong{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText",
                       "The color name \"%1\" in the library \"%2\" is %3 bytes long; the meter "
                       "holds at most %4 bytes (a Chinese character takes 3)!",
                       "ColorNameTooLong")};
inline constexpr BilingualText TooManyLibraries{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText",
                       "The file holds %1 color card libraries; at most %2 can be kept!",
                       "TooManyLibraries")};
inline constexpr BilingualText TooManyColors{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText", "The file holds %1 colors; at most %2 can be kept!",
                       "TooManyColors")};
inline constexpr BilingualText NoColors{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText", "The file %1 holds no colors!", "NoColors")};
inline constexpr BilingualText UnsafeName{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText",
                       "Row %1 of the file %2 holds a name or description with a control character "
                       "or a text direction mark, which cannot be kept!",
                       "UnsafeName")};
inline constexpr BilingualText Unwritable{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText",
                                     "The name \"%1\" cannot be written as %2 text: double quotes, "
                                     "line breaks and control characters are not allowed there!",
                                     "Unwritable")};

// File dialog filters of the open formats, beside the exchange workbook's "Excel (*.xls)".
inline constexpr BilingualText CsvFilter{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText", "CSV table (*.csv)", "CsvFilter")};
inline constexpr BilingualText CgatsFilter{
    "FormatText",
    QT_TRANSLATE_NOOP3("FormatText", "CGATS.17 text (*.txt *.cgats *.it8)", "CgatsFilter")};
inline constexpr BilingualText CxfFilter{
    "FormatText", QT_TRANSLATE_NOOP3("FormatText", "CxF3 color exchange (*.cxf)", "CxfFilter")};

}  // namespace FormatText

}  // namespace colorcard
