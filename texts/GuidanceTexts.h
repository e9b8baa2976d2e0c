// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// What the program tells a user about their input and about actions whose
// outcome would otherwise be silent.
namespace GuidanceText {
// Typing: a character the field does not take, and a field that is full.
// %1: the characters refused.
inline constexpr BilingualText CharacterRefused{
    "GuidanceText", QT_TRANSLATE_NOOP3("GuidanceText",
                                       "\"%1\" cannot be typed here: only letters a-z and A-Z, "
                                       "digits, -, _ and spaces are accepted.",
                                       "CharacterRefused")};
inline constexpr BilingualText CharactersRefused{
    "GuidanceText",
    QT_TRANSLATE_NOOP3("GuidanceText",
                       "Only letters a-z and A-Z, digits, -, _ and spaces are accepted here.",
                       "CharactersRefused")};
// %1: the most characters the field holds.
inline constexpr BilingualText FieldFull{
    "GuidanceText",
    QT_TRANSLATE_NOOP3("GuidanceText", "At most %1 characters can be typed here.", "FieldFull")};
// %1: the most characters, name and description together.
inline constexpr BilingualText CombinedTooLong{
    "GuidanceText",
    QT_TRANSLATE_NOOP3(
        "GuidanceText",
        "Name and description together have more than %1 characters: shorten one of them.",
        "CombinedTooLong")};

// A merge in which every library was already stored or kept as it was.
inline constexpr BilingualText ExportChangedNothing{
    "GuidanceText", QT_TRANSLATE_NOOP3("GuidanceText",
                                       "Nothing was changed: every color card library of the meter "
                                       "is already in the database or was kept as it was.",
                                       "ExportChangedNothing")};
inline constexpr BilingualText ImportChangedNothing{
    "GuidanceText", QT_TRANSLATE_NOOP3("GuidanceText",
                                       "Nothing was changed: every color card library of the file "
                                       "is already in the database or was kept as it was.",
                                       "ImportChangedNothing")};

// Colour actions that cannot be taken back. %1: the colour's name.
inline constexpr BilingualText ConfirmDeleteColour{
    "GuidanceText",
    QT_TRANSLATE_NOOP3("GuidanceText", "Delete the color \"%1\"? Its measured values will be lost.",
                       "ConfirmDeleteColour")};
inline constexpr BilingualText ConfirmRemeasure{
    "GuidanceText", QT_TRANSLATE_NOOP3("GuidanceText",
                                       "Measure the color \"%1\" again? Its stored values will be "
                                       "replaced by the new measurement.",
                                       "ConfirmRemeasure")};

// The tooltip of the button that brings a backup back (the form's buttons
// have theirs in the form).
inline constexpr BilingualText RestoreBackupTip{
    "GuidanceText", QT_TRANSLATE_NOOP3("GuidanceText",
                                       "Replace the current data with a backup taken before an "
                                       "earlier change.\nThe current data is backed up first.",
                                       "RestoreBackupTip")};
}  // namespace GuidanceText

}  // namespace colorcard
