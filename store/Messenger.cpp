#include "Messenger.h"

#include <QDebug>

namespace {

// Stands in when no prompt is installed, so a missing seam never crashes.
class NullProgress : public ProgressReporter {
public:
    void setValue(int) override {}
    void hide() override {}
};

}  // namespace

Messenger::Messenger(Prompt* prompt, QWidget* parent) : prompt_(prompt), parent_(parent) {}

QString Messenger::pick(const QString& english, const QString& chinese) const {
    return chinese_ ? chinese : english;
}

QString Messenger::tipTitle() const {
    return pick(QStringLiteral("Tip"), QStringLiteral("提示"));
}

void Messenger::tip(const QString& english, const QString& chinese) const {
    tip(parent_, english, chinese);
}

void Messenger::tip(QWidget* parent, const QString& english, const QString& chinese) const {
    if (!prompt_) {
        qWarning() << "no prompt installed:" << pick(english, chinese);
        return;
    }
    prompt_->information(parent, tipTitle(), pick(english, chinese));
}

void Messenger::error(const QString& english, const QString& chinese) const {
    if (!prompt_) {
        qWarning() << "no prompt installed:" << pick(english, chinese);
        return;
    }
    prompt_->information(parent_, pick(QStringLiteral("Error"), QStringLiteral("错误")),
                         pick(english, chinese));
}

bool Messenger::ask(const QString& english, const QString& chinese) const {
    if (!prompt_) {
        qWarning() << "no prompt installed, answering No:" << pick(english, chinese);
        return false;
    }
    return prompt_->question(parent_, tipTitle(), pick(english, chinese));
}

std::unique_ptr<ProgressReporter> Messenger::progress(const QString& english,
                                                      const QString& chinese, int minimum,
                                                      int maximum) const {
    if (!prompt_)
        return std::make_unique<NullProgress>();
    return prompt_->progress(parent_, pick(english, chinese),
                             pick(QStringLiteral("Cancel"), QStringLiteral("取消")), minimum,
                             maximum);
}
