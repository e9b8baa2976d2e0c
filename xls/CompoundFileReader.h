// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

namespace colorcard {

// Reads one stream out of an OLE2 compound file held in memory, with libgsf.
class CompoundFileReader {
public:
    // The first of the names that the container holds, read whole into data.
    // False when the bytes are no readable container, it holds none of the
    // names, or the stream cannot be read completely.
    static bool readStream(const QByteArray& file, const QStringList& names, QByteArray* data);
};

}  // namespace colorcard
