// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "cli/CliContext.h"
#include "store/LibraryReader.h"

namespace colorcard {

struct ChosenStandard {
    Library library;
    Colour colour;
};

// LIBRARY/COLOUR, each an identifier or a name; a name may hold "/" itself,
// so every split is tried and exactly one standard must match. nullopt after
// a message.
std::optional<ChosenStandard> findStandard(CliContext& cli, LibraryReader& reader,
                                           const QString& text);

}  // namespace colorcard
