// SPDX-License-Identifier: MIT
#include "workflow/SampleIndex.h"

#include "texts/IndexTexts.h"
#include "workflow/FormatSettings.h"

namespace colorcard {

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
                  const Language& language, bool brief) {
    if (index == ColourIndex::None)
        return QString();
    if (brief && !value.computed())
        return QStringLiteral("—");
    switch (value.status) {
        case IndexValue::Status::Computed:
            break;
        case IndexValue::Status::NoWhitePoint:
            return IndexText::NoWhitePoint.in(language).arg(conditions.label());
        case IndexValue::Status::NotForConditions:
            return IndexText::NotForConditions.in(language).arg(conditions.label());
        case IndexValue::Status::Undefined:
            return IndexText::Undefined.in(language);
    }
    QString text = QString::number(value.value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    if (!value.inRange && brief)
        text += QStringLiteral(" *");
    else if (!value.inRange)
        text += (language.isChinese() ? QStringLiteral("（%1）") : QStringLiteral(" (%1)"))
                    .arg(IndexText::OutOfRange.in(language));
    return text;
}

QString describe(ColourIndex index, const Lab& lab, const MeasuringConditions& conditions,
                 const Language& language, bool brief) {
    if (index == ColourIndex::None)
        return QString();
    const IndexValue value = colourIndex(index, lab, conditions);
    // A reason in place of a value follows a colon.
    const QString separator = value.computed() || brief ? QStringLiteral(" ")
                              : language.isChinese()    ? QStringLiteral("：")
                                                        : QStringLiteral(": ");
    return (brief ? indexSymbol(index) : indexName(index).in(language)) + separator +
           valueText(index, value, conditions, language, brief);
}

}  // namespace SampleIndex

}  // namespace colorcard
