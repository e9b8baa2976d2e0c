// SPDX-License-Identifier: MIT
#include "link/LinkLogging.h"

namespace colorcard {

// Off unless asked for: a start without a meter must not fill stderr.
Q_LOGGING_CATEGORY(lcLink, "colorcard.link", QtInfoMsg)

}  // namespace colorcard
