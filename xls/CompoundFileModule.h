// SPDX-License-Identifier: MIT
#pragma once

namespace colorcard {

struct GsfCompoundFileFunctions;

// The compound file module (xls/gsf), loaded on first use.
namespace CompoundFileModule {

// Its functions; null when it cannot be found or loaded (said once on
// stderr, with the places searched).
const GsfCompoundFileFunctions* functions();

}  // namespace CompoundFileModule

}  // namespace colorcard
