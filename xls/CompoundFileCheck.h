// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace colorcard {

// FreeXL parses the compound file container on its own and trusts what the
// directory says: an entry's name length makes it convert that many bytes
// of a 128-byte entry. This walks the directory the way a reader does and
// refuses containers it could not read safely.
namespace CompoundFileCheck {

// False when the header, the allocation table chain of the directory or a
// directory entry's name length is out of bounds.
bool directoryReadable(const QByteArray& file);

}  // namespace CompoundFileCheck

}  // namespace colorcard
