// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <optional>

#include "colour/Tolerance.h"

class QSqlQuery;

namespace colorcard {

// The quality records' columns as the file's and the server's stores both
// write and read them.
namespace qualityrows {

// A formula's code and its five parameters, in the columns' order.
QVariantList methodValues(const DifferenceMethod& method);
// NULL for a limit not set.
QVariant optionalValue(const std::optional<double>& value);
std::optional<double> optionalFrom(const QVariant& value);
std::optional<Verdict> verdictFromCode(const QString& code);
// The warning level and the six axis limits, in the columns' order.
QVariantList extrasValues(const ToleranceModel& model);
// From the seven extras columns starting at first.
void readExtras(ToleranceModel& model, const QSqlQuery& query, int first);

}  // namespace qualityrows

}  // namespace colorcard
