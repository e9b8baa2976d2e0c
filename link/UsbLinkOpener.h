// SPDX-License-Identifier: MIT
#pragma once

#include "link/CLinker.h"

namespace colorcard {

class HidBackend;

// The main window's way to open the meter link over a HID backend: a new
// CLinkerUSB opened with the given identifiers, owned by the caller, or null
// (then *permissionDenied tells whether the meter is present but its node may
// not be opened). The backend must outlive every link made.
LinkOpener makeUsbLinkOpener(HidBackend& backend);

}  // namespace colorcard
