// SPDX-License-Identifier: MIT
#pragma once

namespace colorcard {

// The one set of limits every way into the store keeps to.
namespace Limits {
// Colours over all libraries of the store.
inline constexpr int MaxColors = 20000;
// Libraries of a meter, and of a meter whose firmware is newer than its
// device settings entry.
inline constexpr int MeterLibraries = 9;
inline constexpr int NewerMeterLibraries = 46;
// A library's name and description together: at most this many characters
// (the meter's record holds 16 bytes of each).
inline constexpr int LibraryTextLength = 18;
}  // namespace Limits

}  // namespace colorcard
