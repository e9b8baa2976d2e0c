// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Saving to and importing from the exchange workbook.
namespace ExchangeText {
inline constexpr BilingualText SaveFileCaption{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Save File", "SaveFileCaption")};
inline constexpr BilingualText SelectFileCaption{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Select File", "SelectFileCaption")};
// %1: the name of a library without colours.
inline constexpr BilingualText ConfirmSaveEmpty{
    "ExchangeText",
    QT_TRANSLATE_NOOP3(
        "ExchangeText",
        "The number of records in color card library %1 is 0. Do you want to continue saving?",
        "ConfirmSaveEmpty")};
inline constexpr BilingualText CreateFileFailed{
    "ExchangeText",
    QT_TRANSLATE_NOOP3("ExchangeText", "Create color card file fail!", "CreateFileFailed")};
inline constexpr BilingualText Saving{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Saving Excel data, please wait", "Saving")};
inline constexpr BilingualText OpenLibrarySheetFailed{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Open color card library file fail!",
                                       "OpenLibrarySheetFailed")};
inline constexpr BilingualText SaveLibrarySheetFailed{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Save color card library file fail!",
                                       "SaveLibrarySheetFailed")};
inline constexpr BilingualText OpenDataSheetFailed{
    "ExchangeText",
    QT_TRANSLATE_NOOP3("ExchangeText", "Open color card data file fail!", "OpenDataSheetFailed")};
inline constexpr BilingualText SaveDataSheetFailed{
    "ExchangeText",
    QT_TRANSLATE_NOOP3("ExchangeText", "Save color card data file fail!", "SaveDataSheetFailed")};
inline constexpr BilingualText Saved{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Save file success!", "Saved")};
inline constexpr BilingualText CouldNotOpen{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Could not open file!", "CouldNotOpen")};
inline constexpr BilingualText ReadError{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Read Excel file error!", "ReadError")};
inline constexpr BilingualText UnsafeName{
    "ExchangeText",
    QT_TRANSLATE_NOOP3("ExchangeText",
                       "Row %1 of worksheet %2 holds a name or description with a control "
                       "character or a text direction mark, which cannot be kept!",
                       "UnsafeName")};
// Titled "Error": the workbook has fewer worksheets than libraries.
inline constexpr BilingualText SheetMissing{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Read Excel file error!", "SheetMissing")};
inline constexpr BilingualText CheckError{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Data check crc error!", "CheckError")};
inline constexpr BilingualText OtherMeter{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Import file error!", "OtherMeter")};
inline constexpr BilingualText Importing{
    "ExchangeText",
    QT_TRANSLATE_NOOP3("ExchangeText", "Importing Excel data, please wait", "Importing")};
inline constexpr BilingualText Imported{
    "ExchangeText", QT_TRANSLATE_NOOP3("ExchangeText", "Import file success!", "Imported")};
}  // namespace ExchangeText

}  // namespace colorcard
