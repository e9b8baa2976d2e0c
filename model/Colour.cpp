// SPDX-License-Identifier: MIT
#include "model/Colour.h"

#include <cmath>

namespace colorcard {

namespace {

// The member of each column, in column order.
constexpr QString Colour::*kFields[ColorColumns::ValueCount] = {
    &Colour::labL,  &Colour::laba, &Colour::labb,  &Colour::luvL,  &Colour::luvu,
    &Colour::luvv,  &Colour::lchL, &Colour::lchC,  &Colour::lchh,  &Colour::yxyY,
    &Colour::yxyx,  &Colour::yxyy, &Colour::cmykC, &Colour::cmykM, &Colour::cmykY,
    &Colour::cmykK, &Colour::rgbR, &Colour::rgbG,  &Colour::rgbB};

}  // namespace

const QString& Colour::text(Field field) const {
    return this->*kFields[field];
}

QString& Colour::text(Field field) {
    return this->*kFields[field];
}

std::optional<double> Colour::number(Field field) const {
    bool ok = false;
    const double value = text(field).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool Colour::hasLab() const {
    return number(ColorColumns::LabL) && number(ColorColumns::Laba) && number(ColorColumns::Labb);
}

QStringList Colour::values() const {
    QStringList list;
    list.reserve(ColorColumns::ValueCount);
    for (const auto field : kFields)
        list.append(this->*field);
    return list;
}

void Colour::setValues(const QStringList& values) {
    for (int i = 0; i < ColorColumns::ValueCount; ++i)
        this->*kFields[i] = i < values.size() ? values[i] : QString();
}

Colour Colour::fromValues(const QString& name, const QStringList& values) {
    Colour colour;
    colour.name = name;
    colour.setValues(values);
    return colour;
}

bool Colour::sameValues(const Colour& other) const {
    for (const auto field : kFields)
        if (this->*field != other.*field)
            return false;
    return true;
}

}  // namespace colorcard
