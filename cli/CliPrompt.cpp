// SPDX-License-Identifier: MIT
#include "cli/CliPrompt.h"

#include <cstdio>

#include "compat/QtCompat.h"
#include "store/TextSafety.h"
#include "texts/LibraryFileTexts.h"

namespace colorcard {

namespace {

class SilentProgress : public ProgressReporter {
public:
    void setValue(int) override {}
    void hide() override {}
};

}  // namespace

CliPrompt::CliPrompt(const Language& language, Answer answer)
    : language_(language), answer_(answer), err_(stderr) {
    QtCompat::setUtf8(err_);
}

void CliPrompt::print(const QString& text) {
    err_ << QStringLiteral("colorcard-cli: ") << TextSafety::visible(text.simplified()) << '\n';
    err_.flush();
}

void CliPrompt::information(QWidget*, const QString&, const QString& text) {
    // One line: a second paragraph (the window names the file saved, which
    // here may still be a temporary name) stays in the window.
    print(text.section(QStringLiteral("\n\n"), 0, 0));
}

bool CliPrompt::question(QWidget*, const QString&, const QString& text) {
    switch (answer_) {
        case Answer::Yes:
            return true;
        case Answer::No:
            return false;
        case Answer::Refuse:
            break;
    }
    refused_ = true;
    print(LibraryFileText::QuestionRefused.in(language_).arg(text));
    return false;
}

QString CliPrompt::saveFileName(QWidget*, const QString&, const QString&, const QString&) {
    return QString();
}

QString CliPrompt::openFileName(QWidget*, const QString&, const QString&, const QString&) {
    return QString();
}

std::unique_ptr<ProgressReporter> CliPrompt::progress(QWidget*, const QString&, const QString&, int,
                                                      int) {
    return std::make_unique<SilentProgress>();
}

}  // namespace colorcard
