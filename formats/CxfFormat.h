// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include "formats/ColorLibrary.h"
#include "formats/FormatError.h"
#include "formats/FormatOptions.h"

namespace colorcard {

// CxF3 (core namespace http://colorexchangeformat.com/CxF3-core) through
// QXmlStreamWriter and QXmlStreamReader. Every colour is an Object
// (ObjectType "Standard", Name, Id "c1", "c2", ...) whose ColorValues hold a
// ColorCIELab and, when the colour holds them, ColorCIELCh, ColorCIExyY,
// ColorSRGB (0 to 255) and ColorCMYK (percent), all under the one
// measuring conditions element "CS1" that names the illuminant and observer of the
// options. L*u*v* has no CxF3 element and is derived again on import.
//
// Libraries: the core format has no grouping of objects that keeps a name
// and a description, so they travel in the file's CustomResources, in the
// namespace kLibraryNamespace:
//   <cl:Libraries><cl:Library Name=".." Description="..">
//     <cl:Object Ref="c1"/>...</cl:Library></cl:Libraries>
// which keeps their order, the order of their colours and empty libraries.
// Readers that do not know it still see every colour.
namespace CxfFormat {

extern const char* const kCoreNamespace;
extern const char* const kLibraryNamespace;

FormatError write(const FormatLibraries& libraries, const FormatWriteOptions& options,
                  QByteArray& bytes);
// Objects that no library lists go to defaultLibrary (no description).
FormatError read(const QByteArray& bytes, const QString& file, const QString& defaultLibrary,
                 FormatLibraries& libraries);

}  // namespace CxfFormat

}  // namespace colorcard
