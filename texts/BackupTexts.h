// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Copies of the database taken before destructive changes, and restoring one.
namespace BackupText {
inline constexpr BilingualText RestoreAction{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "Restore backup", "RestoreAction")};
// The button of the list that restores the copy chosen.
inline constexpr BilingualText RestoreButton{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "Restore", "RestoreButton")};
inline constexpr BilingualText ColumnTime{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "Backup time", "ColumnTime")};
inline constexpr BilingualText ColumnMeter{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "Meter", "ColumnMeter")};
inline constexpr BilingualText ColumnLibraries{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "Libraries", "ColumnLibraries")};
inline constexpr BilingualText ColumnColours{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "Colors", "ColumnColours")};
inline constexpr BilingualText Unreadable{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "(unreadable)", "Unreadable")};
inline constexpr BilingualText NoBackups{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "There is no backup yet!", "NoBackups")};
// %1: the time the copy was taken.
inline constexpr BilingualText AskRestore{
    "BackupText",
    QT_TRANSLATE_NOOP3("BackupText",
                       "Restore the backup of %1? The current data is backed up first.",
                       "AskRestore")};
inline constexpr BilingualText RestoreSuccess{
    "BackupText", QT_TRANSLATE_NOOP3("BackupText", "Restore backup success!", "RestoreSuccess")};
inline constexpr BilingualText RestoreFailed{
    "BackupText",
    QT_TRANSLATE_NOOP3("BackupText", "Restore backup fail! Nothing was changed.", "RestoreFailed")};
inline constexpr BilingualText NotABackup{
    "BackupText",
    QT_TRANSLATE_NOOP3("BackupText", "The backup file is damaged and cannot be restored!",
                       "NotABackup")};
// Shown instead of a destructive change when its copy could not be taken.
inline constexpr BilingualText BackupFailed{
    "BackupText",
    QT_TRANSLATE_NOOP3("BackupText", "Backup of the database fail! Nothing was changed.",
                       "BackupFailed")};
}  // namespace BackupText

}  // namespace colorcard
