// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Changes that replace data wholesale (another meter, a restore, writing the
// meter, merging libraries) and the remarks that say what they did.
namespace ChangeText {
// Second paragraph of the instrument-change question.
inline constexpr BilingualText InstrumentChangeChoices{
    "ChangeText",
    QT_TRANSLATE_NOOP3(
        "ChangeText",
        "Yes: save, then take the new meter's libraries. No: take them without saving. The current "
        "libraries are backed up either way; the QC history, lots and tolerances stay. Cancel: "
        "keep the current data and do not connect the new meter.",
        "InstrumentChangeChoices")};
inline constexpr BilingualText InstrumentChangeCancelled{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText",
                                     "The new meter is not connected: the current data was kept. "
                                     "Unplug it, or plug it in again to change to it.",
                                     "InstrumentChangeCancelled")};
// %1: the locked library's name.
inline constexpr BilingualText LockReleased{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText",
                                     "The locked color card library \"%1\" is gone, so it was "
                                     "unlocked. Choose and lock a library before measuring.",
                                     "LockReleased")};

// Backups: why a copy was taken (the list's column and its values).
inline constexpr BilingualText ColumnCause{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "Taken before", "ColumnCause")};
inline constexpr BilingualText CauseDeleteAll{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "Delete all", "CauseDeleteAll")};
inline constexpr BilingualText CauseDeleteLibrary{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "Deleting a library", "CauseDeleteLibrary")};
inline constexpr BilingualText CauseInstrumentChange{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "Instrument change", "CauseInstrumentChange")};
inline constexpr BilingualText CauseImport{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "Import", "CauseImport")};
inline constexpr BilingualText CauseMeterExport{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "Meter export", "CauseMeterExport")};
inline constexpr BilingualText CauseRestore{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "Restore", "CauseRestore")};
inline constexpr BilingualText CauseUnknown{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "(not recorded)", "CauseUnknown")};
// %1: the meter whose data the backup holds, %2: the attached meter.
inline constexpr BilingualText AdoptRestored{
    "ChangeText",
    QT_TRANSLATE_NOOP3(
        "ChangeText",
        "The restored data belongs to meter %1. Make it the data of the attached meter %2? No "
        "keeps it as meter %1's data: it is replaced when meter %2 is identified again.",
        "AdoptRestored")};

// Write to meter. %1/%2: libraries and colours of the program, %3/%4: of the meter.
inline constexpr BilingualText ConfirmWrite{
    "ChangeText",
    QT_TRANSLATE_NOOP3(
        "ChangeText",
        "Replace the meter's libraries with the program's? The program has %1 libraries with %2 "
        "colors; the meter holds %3 libraries with %4 colors, which will be replaced.",
        "ConfirmWrite")};
// %1 libraries, %2 colours.
inline constexpr BilingualText WrittenCounts{
    "ChangeText",
    QT_TRANSLATE_NOOP3("ChangeText", "Written: %1 libraries with %2 colors.", "WrittenCounts")};
// The automatic export at a meter's first connection, in the status line.
inline constexpr BilingualText FirstExportUnchanged{
    "ChangeText",
    QT_TRANSLATE_NOOP3("ChangeText",
                       "Meter libraries read: nothing new, the program already holds them.",
                       "FirstExportUnchanged")};

// The merge question's second paragraph: what Yes would change.
// %1: count, %2: the first names.
inline constexpr BilingualText MergeAdds{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "%1 colors added: %2", "MergeAdds")};
inline constexpr BilingualText MergeChanges{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "%1 colors changed: %2", "MergeChanges")};
inline constexpr BilingualText MergeKeeps{
    "ChangeText",
    QT_TRANSLATE_NOOP3(
        "ChangeText",
        "%1 colors of the library are not in the incoming copy and stay in the library: %2",
        "MergeKeeps")};
// After a merge in which libraries differed only by colours the incoming copy lacks.
// %1: the libraries' names.
inline constexpr BilingualText MergeOnlyLacking{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText",
                                     "These libraries were kept as they are, but the incoming copy "
                                     "lacks some of their colors: %1",
                                     "MergeOnlyLacking")};

// Files. %1: the file's full name.
inline constexpr BilingualText SavedFile{
    "ChangeText", QT_TRANSLATE_NOOP3("ChangeText", "Saved to %1", "SavedFile")};
// The colour name field is labelled 色卡编号 in Chinese.
inline constexpr BilingualText ColorNumberEmpty{
    "ChangeText",
    QT_TRANSLATE_NOOP3("ChangeText", "Color name can not be empty!", "ColorNumberEmpty")};
// Second paragraph of the delete-all question.
inline constexpr BilingualText BackupFirstNote{
    "ChangeText",
    QT_TRANSLATE_NOOP3("ChangeText",
                       "A backup of the database is taken first; Restore backup brings it back.",
                       "BackupFirstNote")};
}  // namespace ChangeText

}  // namespace colorcard
