// SPDX-License-Identifier: MIT
#include "SampleIndex.h"

#include "FormatSettings.h"
#include "IndexTexts.h"

namespace SampleIndex {

MeasuringConditions conditions(const QSettings& settings) {
    const FormatWriteOptions options = FormatSettings::load(settings);
    return MeasuringConditions::parse(options.illuminant + QLatin1Char('/') + options.observer)
        .value_or(MeasuringConditions{});
}

MeasuringConditions conditions() {
    const FormatWriteOptions options = FormatSettings::load();
    return MeasuringConditions::parse(options.illuminant + QLatin1Char('/') + options.observer)
        .value_or(MeasuringConditions{});
}

QString valueText(ColourIndex index, const IndexValue& value, const MeasuringConditions& conditions,
                  bool chinese, bool brief) {
    if (index == ColourIndex::None)
        return QString();
    if (brief && !value.computed())
        return QStringLiteral("—");
    switch (value.status) {
        case IndexValue::Status::Computed:
            break;
        case IndexValue::Status::NoWhitePoint:
            return IndexText::NoWhitePoint.in(chinese).arg(conditions.label());
        case IndexValue::Status::NotForConditions:
            return IndexText::NotForConditions.in(chinese).arg(conditions.label());
        case IndexValue::Status::Undefined:
            return IndexText::Undefined.in(chinese);
    }
    QString text = QString::number(value.value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    if (!value.inRange && brief)
        text += QStringLiteral(" *");
    else if (!value.inRange)
        text += (chinese ? QStringLiteral("（%1）") : QStringLiteral(" (%1)"))
                    .arg(IndexText::OutOfRange.in(chinese));
    return text;
}

QString describe(ColourIndex index, const Lab& lab, const MeasuringConditions& conditions,
                 bool chinese, bool brief) {
    if (index == ColourIndex::None)
        return QString();
    const IndexValue value = colourIndex(index, lab, conditions);
    // A reason in place of a value follows a colon.
    const QString separator = value.computed() || brief ? QStringLiteral(" ")
                              : chinese                 ? QStringLiteral("：")
                                                        : QStringLiteral(": ");
    return (brief ? indexSymbol(index) : indexName(index).in(chinese)) + separator +
           valueText(index, value, conditions, chinese, brief);
}

}  // namespace SampleIndex
