// SPDX-License-Identifier: MIT
#include "workflow/StoreErrorTexts.h"

#include "texts/StoreTexts.h"

namespace colorcard {

BilingualText storeErrorText(StoreError error) {
    switch (error) {
        case StoreError::OpenDatabase:
            return StoreText::OpenDatabaseFailed;
        case StoreError::QueryLibraryTable:
            return StoreText::QueryLibraryTableFailed;
        case StoreError::CreateLibraryTable:
            return StoreText::CreateLibraryTableFailed;
        case StoreError::CreateColorTable:
            return StoreText::CreateColorTableFailed;
        case StoreError::InsertLibrary:
            return StoreText::InsertLibraryFailed;
        case StoreError::InsertColor:
            return StoreText::InsertColorFailed;
        case StoreError::RenameLibrary:
            return StoreText::RenameLibraryFailed;
        case StoreError::UpdateCount:
            return StoreText::UpdateCountFailed;
        case StoreError::RenameColor:
            return StoreText::RenameColorFailed;
        case StoreError::UpdateColor:
            return StoreText::UpdateColorFailed;
        case StoreError::QueryColorName:
            return StoreText::QueryColorNameFailed;
        case StoreError::QueryLibraries:
            return StoreText::QueryLibrariesFailed;
        case StoreError::QueryColors:
            return StoreText::QueryColorsFailed;
        case StoreError::DropColorTable:
            return StoreText::DropColorTableFailed;
        case StoreError::DeleteLibrary:
            return StoreText::DeleteLibraryFailed;
        case StoreError::DeleteColor:
            return StoreText::DeleteColorFailed;
        case StoreError::DeleteDatabaseFile:
            return StoreText::DeleteDatabaseFileFailed;
        case StoreError::Begin:
            return StoreText::BeginFailed;
        case StoreError::Commit:
        case StoreError::None:
            break;
    }
    return StoreText::CommitFailed;
}

StoreMessage storeFailureMessage(StoreResult result, const QString& databasePath,
                                 const Language& language) {
    const QString step = storeErrorText(result.error).in(language);
    switch (result.cause) {
        case StoreCause::Busy:
            return {StoreText::Busy, {}};
        case StoreCause::DiskFull:
            return {StoreText::DiskFull, {step, databasePath}};
        case StoreCause::ReadOnly:
            return {StoreText::ReadOnly, {step, databasePath}};
        case StoreCause::Damaged:
            return {StoreText::Damaged, {step, databasePath}};
        case StoreCause::None:
            break;
    }
    return {storeErrorText(result.error), {}};
}

}  // namespace colorcard
