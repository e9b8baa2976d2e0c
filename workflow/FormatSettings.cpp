// SPDX-License-Identifier: MIT
#include "workflow/FormatSettings.h"

#include <memory>

namespace colorcard {

namespace FormatSettings {

QStringList illuminants() {
    return {QStringLiteral("A"),   QStringLiteral("C"),   QStringLiteral("D50"),
            QStringLiteral("D55"), QStringLiteral("D65"), QStringLiteral("D75"),
            QStringLiteral("F2"),  QStringLiteral("F7"),  QStringLiteral("F11"),
            QStringLiteral("F12")};
}

QString illuminant(const QString& text) {
    for (const QString& known : illuminants())
        if (known.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return known;
    return QString();
}

QString observer(const QString& text) {
    QString degrees = text.trimmed();
    for (const QString& unit : {QStringLiteral("_Degree"), QStringLiteral("°")})
        if (degrees.endsWith(unit, Qt::CaseInsensitive))
            degrees.chop(unit.size());
    if (degrees == QLatin1String("2") || degrees == QLatin1String("10"))
        return degrees + QStringLiteral("_Degree");
    return QString();
}

QSettings* userSettings() {
    return new QSettings(QStringLiteral("ColorCard"), QStringLiteral("ColorCard"));
}

FormatWriteOptions load(const QSettings& settings) {
    FormatWriteOptions options;
    const QString stored = illuminant(settings.value(QLatin1String(IlluminantKey)).toString());
    if (!stored.isEmpty())
        options.illuminant = stored;
    const QString angle = observer(settings.value(QLatin1String(ObserverKey)).toString());
    if (!angle.isEmpty())
        options.observer = angle;
    options.byteOrderMark = settings.value(QLatin1String(ByteOrderMarkKey), true).toBool();
    return options;
}

FormatWriteOptions load() {
    const std::unique_ptr<QSettings> settings(userSettings());
    return load(*settings);
}

}  // namespace FormatSettings

}  // namespace colorcard
