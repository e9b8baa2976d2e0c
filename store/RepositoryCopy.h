// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace colorcard {

class LibraryRepository;

// Copies one store into another (a bench's SQLite file onto the lab's
// server): libraries with their colours, tolerances and history. What the
// target holds already (a library of the same identifier, an entry of the
// same time, library and colour) is left alone, so a second copy changes
// nothing. Everything lands in one transaction of the target or nothing does.
struct RepositoryCopy {
    struct Counts {
        int libraries = 0;
        int colours = 0;
        int tolerances = 0;
        int history = 0;
        bool operator==(const Counts& other) const {
            return libraries == other.libraries && colours == other.colours &&
                   tolerances == other.tolerances && history == other.history;
        }
        bool operator!=(const Counts& other) const { return !(*this == other); }
    };
    struct Result {
        bool ok = false;
        Counts copied;  // what this run added to the target
        QString error;  // the failing side's words
    };

    static Result copy(LibraryRepository& from, LibraryRepository& to);
    // What a store holds, counted through the repository; nullopt-like
    // (ok false) with the error when it cannot be read.
    static Result count(LibraryRepository& repository);
    // What of from's content is found in to: equal to count(from) when the
    // copy is complete.
    static Result verify(LibraryRepository& from, LibraryRepository& to);
};

}  // namespace colorcard
