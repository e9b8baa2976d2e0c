// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>

#include "formats/ColorLibrary.h"

namespace colorcard {

// Collects colours read from a file into libraries keyed by name and
// description, in the order each library first appears.
class LibraryGrouper {
public:
    explicit LibraryGrouper(FormatLibraries& libraries) : libraries_(libraries) {}

    // The library's position in the list, appended when it is new.
    int indexOf(const QString& name, const QString& description) {
        // Rows of one library mostly follow each other.
        if (last_ >= 0 && libraries_.at(last_).name == name &&
            libraries_.at(last_).description == description)
            return last_;
        last_ = lookUp(name, description);
        return last_;
    }

private:
    int lookUp(const QString& name, const QString& description) {
        const QString key = name + QChar(0) + description;
        auto found = index_.constFind(key);
        if (found != index_.constEnd())
            return found.value();
        index_.insert(key, libraries_.size());
        libraries_.append(FormatLibrary{name, description, {}});
        return libraries_.size() - 1;
    }

    FormatLibraries& libraries_;
    QHash<QString, int> index_;
    int last_ = -1;
};

}  // namespace colorcard
