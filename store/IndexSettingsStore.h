// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

#include "colour/ColourIndices.h"
#include "colour/ShadeSort.h"

namespace colorcard {

// What a library shows besides its colour differences: the whiteness, tint
// or yellowness index of each sample, and the steps of its 555 shade codes.
struct LibraryIndexSettings {
    ColourIndex index = ColourIndex::None;
    // A step not set follows the library's ΔE limit.
    std::optional<double> stepL;
    std::optional<double> stepC;
    std::optional<double> stepH;

    ShadeSteps steps(double limit) const {
        return {stepL.value_or(limit), stepC.value_or(limit), stepH.value_or(limit)};
    }
    // Every step that is set positive and finite.
    bool valid() const;
    bool operator==(const LibraryIndexSettings& other) const {
        return index == other.index && stepL == other.stepL && stepC == other.stepC &&
               stepH == other.stepH;
    }
    bool operator!=(const LibraryIndexSettings& other) const { return !(*this == other); }
};

// The settings per library, in a table of their own (QcIndexSettings) beside
// the tolerances and the history, on a connection opened by someone else.
// The table is created on the first write, so reading never changes a store.
class IndexSettingsStore {
public:
    explicit IndexSettingsStore(const QString& connectionName);

    // The library's settings, the defaults (no index, steps of the ΔE limit)
    // when it has none; nullopt when the store cannot be read.
    std::optional<LibraryIndexSettings> settings(const QString& libraryId);
    bool setSettings(const QString& libraryId, const LibraryIndexSettings& settings);
    // Back to the defaults; also for a deleted library.
    bool removeSettings(const QString& libraryId);

    QString error() const { return error_; }

private:
    bool tableExists();
    bool fail(const QString& what, const QString& detail);

    QString connection_;
    QString error_;
};

}  // namespace colorcard
