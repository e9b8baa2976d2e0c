// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include "protocol/FrameLayer.h"

namespace colorcard {

// The pacing the transfer tests run with: COLORCARD_TEST_PACING=every runs
// them again with the full flush before every request.
inline FrameLayer::Pacing testPacing() {
    return qgetenv("COLORCARD_TEST_PACING") == "every" ? FrameLayer::Pacing::FlushEveryExchange
                                                       : FrameLayer::Pacing::Adaptive;
}

}  // namespace colorcard
