#pragma once

#include <QLoggingCategory>

// Debug traces of the meter link; silence them with
// QT_LOGGING_RULES="colorcard.link.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcLink)
