// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include "formats/ColorLibrary.h"
#include "formats/FormatError.h"
#include "formats/FormatOptions.h"

namespace colorcard {

// CGATS.17 text through Little CMS's IT8 functions: one table per library
// with SAMPLE_ID, SAMPLE_NAME, LAB_L, LAB_A, LAB_B and, where every colour of
// the library holds them, LAB_C and LAB_H (the L of LCh is L*), XYY_CAPY,
// XYY_X, XYY_Y, CMYK_C..CMYK_K (percent), RGB_R..RGB_B (0 to 255) and the
// declared LUV_L, LUV_U, LUV_V (CGATS has no standard name for L*u*v*).
// Each table's header carries ORIGINATOR, CREATED, DESCRIPTOR and the
// declared LIBRARY_NAME and LIBRARY_DESCRIPTION, so libraries come back as
// they were. Libraries without colours are not written (an empty table is
// not read back).
namespace CgatsFormat {

FormatError write(const FormatLibraries& libraries, const FormatWriteOptions& options,
                  QByteArray& bytes);
// Tables without LIBRARY_NAME go to defaultLibrary; tables of the same
// library are joined. Colours are named by SAMPLE_NAME, else SAMPLE_LOC,
// else SAMPLE_ID.
FormatError read(const QByteArray& bytes, const QString& file, const QString& defaultLibrary,
                 FormatLibraries& libraries);

}  // namespace CgatsFormat

}  // namespace colorcard
