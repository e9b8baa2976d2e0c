// SPDX-License-Identifier: MIT
#pragma once

#include "protocol/FrameLayer.h"
#include "tests/support/ScriptedLinker.h"

namespace colorcard {

// The frame layer over a scripted link, as the meter messages are tested:
// a test class derives from it (after QObject) and scripts linker.
struct ScriptedFrames {
    ScriptedLinker linker;
    FrameLayer frames{[this] { return &linker; }};
};

}  // namespace colorcard
