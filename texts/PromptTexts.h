// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Titles and buttons of the program's message boxes and dialogs.
namespace PromptText {
inline constexpr BilingualText Tip{"Tip", "提示"};
inline constexpr BilingualText Error{"Error", "错误"};
inline constexpr BilingualText Cancel{"Cancel", "取消"};
}  // namespace PromptText
