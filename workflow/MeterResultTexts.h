// SPDX-License-Identifier: MIT
#pragma once

#include "protocol/MeterResult.h"
#include "texts/BilingualText.h"

namespace colorcard {

// The message for a step that ended with result; null when none is shown
// (success, or a result that step never reports to the user).
const BilingualText* meterResultText(MeterStep step, MeterResult result);

}  // namespace colorcard
