// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "formats/OpenFormats.h"

namespace colorcard {

// The file types the Save and Import buttons offer in one dialog: the
// exchange workbook first (the dialog opens on it), then CSV, CGATS.17 and
// CxF3. OpenFormat::Unknown stands for the exchange workbook here.
namespace LibraryFiles {

// "Excel (*.xls)", the workbook's filter, the same in both languages.
QString workbookFilter();
// Every filter of the dialogs, joined by ";;".
QString dialogFilters(const Language& language);
// The type of a chosen file: its suffix where that names a type (".xls" the
// workbook), else the filter the dialog was left on.
OpenFormat typeOf(const QString& fileName, const QString& selectedFilter);
// The name a file of an open format is written under: the chosen one, with
// the format's suffix appended when it does not name the format already.
QString withSuffix(const QString& fileName, OpenFormat format);

}  // namespace LibraryFiles

}  // namespace colorcard
