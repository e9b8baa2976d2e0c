// SPDX-License-Identifier: MIT
#include "model/Colour.h"

#include <cmath>

namespace colorcard {

namespace ColorColumns {

namespace {

// One table for both kinds of text.
const QVector<QString>& smallNumbers() {
    static const QVector<QString> texts = [] {
        QVector<QString> all;
        for (int n = 0; n <= 255; ++n)
            all << QString::number(n);
        return all;
    }();
    return texts;
}

template <typename Char>
const QString* sharedNumber(const Char* text, int size, ushort (*code)(Char)) {
    // No leading zero: "007" stays a text of its own.
    if (size <= 0 || size > 3 || (size > 1 && code(text[0]) == '0'))
        return nullptr;
    int value = 0;
    for (int i = 0; i < size; ++i) {
        const ushort c = code(text[i]);
        if (c < '0' || c > '9')
            return nullptr;
        value = value * 10 + (c - '0');
    }
    return value <= 255 ? &smallNumbers().at(value) : nullptr;
}

}  // namespace

const QString* sharedSmallNumber(const char* text, int size) {
    return sharedNumber<char>(text, size,
                              [](char c) { return ushort(static_cast<unsigned char>(c)); });
}

const QString* sharedSmallNumber(const QChar* text, int size) {
    return sharedNumber<QChar>(text, size, [](QChar c) -> ushort { return c.unicode(); });
}

}  // namespace ColorColumns

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
