// SPDX-License-Identifier: MIT
#include "texts/TextCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QTranslator>
#include <map>
#include <memory>

#include "texts/BilingualText.h"
#include "texts/LanguageTexts.h"

// Q_INIT_RESOURCE declares its function in the enclosing namespace.
static void colorcardInitResource_colorcard_translations() {
    Q_INIT_RESOURCE(colorcard_translations);
}

namespace colorcard {

// The compiled translations are linked in from this library's resources.
static void initialiseBuiltInTranslations() {
    colorcardInitResource_colorcard_translations();
}

namespace {

const QString kBuiltIn = QStringLiteral(":/translations");
const QString kPrefix = QStringLiteral("ColorCard_");

struct Catalogue {
    QMutex mutex;
    QStringList directories;
    // Null where a language has no translation, so it is looked for once.
    std::map<QString, std::unique_ptr<QTranslator>> translators;

    Catalogue() { initialiseBuiltInTranslations(); }

    std::unique_ptr<QTranslator> load(const QString& code) const {
        auto translator = std::make_unique<QTranslator>();
        for (const QString& directory : searchPath()) {
            if (QFileInfo::exists(QDir(directory).filePath(kPrefix + code + ".qm")) &&
                translator->load(kPrefix + code + ".qm", directory))
                return translator;
        }
        return nullptr;
    }

    QStringList searchPath() const { return directories + QStringList{kBuiltIn}; }

    const QTranslator* translator(const QString& code) {
        auto it = translators.find(code);
        if (it == translators.end()) {
            it = translators.emplace(code, load(code)).first;
        }
        return it->second.get();
    }
};

Catalogue& catalogue() {
    static Catalogue instance;
    return instance;
}

std::unique_ptr<QTranslator>& applicationTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void removeApplicationTranslator() {
    applicationTranslator().reset();
}

// Every program starts in Chinese, the forms included, until a language is chosen.
void installStartLanguage() {
    TextCatalogue::setApplicationTranslator(TextCatalogue::loadTranslator(Language().code()));
    qAddPostRoutine(removeApplicationTranslator);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installStartLanguage)

QString BilingualText::in(const Language& language) const {
    const QString text = TextCatalogue::translate(language, context, source, disambiguation);
    // Untranslated, a text that exists in Chinese only reads empty, as English.
    if (chineseOnly && !language.isChinese() && text == QString::fromUtf8(source))
        return QString();
    return text;
}

namespace TextCatalogue {

QString translate(const Language& language, const char* context, const char* source,
                  const char* disambiguation) {
    if (language.code() != kSourceLanguage) {
        Catalogue& c = catalogue();
        QMutexLocker lock(&c.mutex);
        if (const QTranslator* translator = c.translator(language.code())) {
            const QString text = translator->translate(context, source, disambiguation);
            if (!text.isEmpty())
                return text;
        }
    }
    return QString::fromUtf8(source);
}

void addDirectory(const QString& directory) {
    Catalogue& c = catalogue();
    QMutexLocker lock(&c.mutex);
    const QString path = QDir(directory).absolutePath();
    if (c.directories.contains(path))
        return;
    c.directories.append(path);
    // A language looked for before may be found in the new directory.
    c.translators.clear();
}

QStringList languagesIn(const QStringList& directories) {
    QStringList codes;
    for (const QString& directory : directories) {
        const QStringList files =
            QDir(directory).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files);
        for (const QString& file : files) {
            const QString code = file.mid(kPrefix.size()).chopped(3);
            if (!code.isEmpty() && !codes.contains(code))
                codes.append(code);
        }
    }
    codes.sort();
    return codes;
}

QStringList languages() {
    QStringList directories;
    {
        Catalogue& c = catalogue();
        QMutexLocker lock(&c.mutex);
        directories = c.searchPath();
    }
    QStringList codes = languagesIn(directories);
    if (!codes.contains(kSourceLanguage)) {
        codes.append(QString(kSourceLanguage));
        codes.sort();
    }
    return codes;
}

void setApplicationTranslator(std::unique_ptr<QTranslator> translator) {
    std::unique_ptr<QTranslator>& slot = applicationTranslator();
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    if (translator)
        QCoreApplication::installTranslator(translator.get());
    slot = std::move(translator);
}

std::unique_ptr<QTranslator> loadTranslator(const QString& code) {
    Catalogue& c = catalogue();
    QMutexLocker lock(&c.mutex);
    return c.load(code);
}

QString nativeName(const QString& code) {
    const QString name = LanguageText::OwnName.in(Language(code));
    if (code != kSourceLanguage && name == QString::fromUtf8(LanguageText::OwnName.source))
        return code;
    return name;
}

}  // namespace TextCatalogue

}  // namespace colorcard
