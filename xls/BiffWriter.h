// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace colorcard {

class Workbook;

// Builds the BIFF8 workbook stream ("Workbook") of a whole workbook: the
// globals with fonts, styles, sheet list and shared string table, then one
// substream per worksheet with its column widths and cells. The container
// around it is CompoundFileWriter's job.
class BiffWriter {
public:
    static QByteArray workbookStream(const Workbook& workbook);
};

}  // namespace colorcard
