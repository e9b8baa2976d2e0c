// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

namespace colorcard {

// Debug traces of the meter link, off by default; shown with
// QT_LOGGING_RULES="colorcard.link.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcLink)

}  // namespace colorcard
