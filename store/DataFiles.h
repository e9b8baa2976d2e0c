// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace colorcard {

// Where the program's read-only data files (template workbooks, translations,
// the device settings file) and its database live, for a build tree and an
// installed program alike.
namespace DataFiles {

// The directories searched for a data file, in order: the executable's own
// directory (a build tree), the data directory of the installation the
// executable belongs to (found relative to it, so a relocated or unpacked
// installation works too), then the data directory the program was built for.
// Duplicates are dropped.
QStringList searchDirectories();

// The full path of the first file called name in searchDirectories(), or an
// empty string when none has it.
QString locate(const QString& name);

// The directory holding the template workbooks; the executable's directory
// when none has them (a save then reports the missing template).
QString templateDirectory();

// True when the executable is part of an installation: its data directory
// exists relative to it.
bool isInstalled();

// Where the database lives: the executable's directory in a build tree when it
// is writable, otherwise the per-user data directory (~/.local/share/ColorCard),
// created when missing.
QString databaseDirectory();

}  // namespace DataFiles

}  // namespace colorcard
