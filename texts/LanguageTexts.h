// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// The languages themselves.
namespace LanguageText {
// Each translation names its language as its readers write it, for the
// button or menu entry that chooses it.
inline constexpr BilingualText OwnName{"LanguageText",
                                       QT_TRANSLATE_NOOP3("LanguageText", "English", "OwnName")};
}  // namespace LanguageText

}  // namespace colorcard
