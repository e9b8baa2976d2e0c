// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Titles and buttons of the program's message boxes and dialogs.
namespace PromptText {
inline constexpr BilingualText Tip{"PromptText", QT_TRANSLATE_NOOP3("PromptText", "Tip", "Tip")};
inline constexpr BilingualText Error{"PromptText",
                                     QT_TRANSLATE_NOOP3("PromptText", "Error", "Error")};
inline constexpr BilingualText Cancel{"PromptText",
                                      QT_TRANSLATE_NOOP3("PromptText", "Cancel", "Cancel")};
}  // namespace PromptText

}  // namespace colorcard
