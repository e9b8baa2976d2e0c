// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace colorcard {

// The language a user reads, by its code ("zh", "en", ...). Chinese unless
// another was chosen, as the program has always started.
class Language {
public:
    Language() = default;
    explicit Language(const QString& code) : code_(code.isEmpty() ? QStringLiteral("zh") : code) {}

    static Language chinese() { return Language(QStringLiteral("zh")); }
    static Language english() { return Language(QStringLiteral("en")); }

    const QString& code() const { return code_; }
    bool isChinese() const { return code_ == QLatin1String("zh"); }

    friend bool operator==(const Language& a, const Language& b) { return a.code_ == b.code_; }
    friend bool operator!=(const Language& a, const Language& b) { return a.code_ != b.code_; }

private:
    QString code_ = QStringLiteral("zh");
};

}  // namespace colorcard
