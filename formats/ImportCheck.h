// SPDX-License-Identifier: MIT
#pragma once

#include "formats/ColorLibrary.h"
#include "formats/FormatError.h"

namespace colorcard {

// What an import may bring in. The byte lengths are the meter's fields: 16
// bytes for a library name and for a description, 20 for a colour name, in
// UTF-8 (a Chinese character takes 3).
struct ImportLimits {
    int maxLibraries = 46;
    int maxColors = 20000;
    int libraryNameBytes = 16;
    int descriptionBytes = 16;
    int colorNameBytes = 20;
};

namespace ImportCheck {

// Runs every check on libraries read from file before anything is changed,
// and brings their values into the stored form: each value a finite number
// within the meter's field, written with the decimals a measurement gives it
// (L*, a*, b* with two); values the file lacks are derived from L*a*b*
// (ColorDerivation). Names are kept as they are. On an error the libraries
// are left half converted and must not be used.
// The nineteen stored texts of a colour of that L*a*b* (ColorDerivation),
// each value kept within its meter field: colours outside the real ones
// (a negative x, say) get the nearest value the field holds.
QStringList derivedTexts(double L, double a, double b);

FormatError prepare(FormatLibraries& libraries, const QString& file,
                    const ImportLimits& limits = ImportLimits());

}  // namespace ImportCheck

}  // namespace colorcard
