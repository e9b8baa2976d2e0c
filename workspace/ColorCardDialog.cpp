// SPDX-License-Identifier: MIT
#include "workspace/ColorCardDialog.h"

#include <QEvent>
#include <QLineEdit>

#include "texts/GuidanceTexts.h"
#include "ui_ColorCardDialog.h"
#include "workflow/Limits.h"
#include "workspace/InputGuide.h"
#include "workspace/NameValidator.h"

namespace colorcard {

ColorCardDialog::ColorCardDialog(const QString& title, const QString& name,
                                 const QString& description, Check check, QWidget* parent)
    : QDialog(parent), ui_(new Ui::ColorCardDialog), title_(title), check_(std::move(check)) {
    ui_->setupUi(this);
    ui_->lineEdit_colorCardName->setValidator(new NameValidator(ui_->lineEdit_colorCardName));
    ui_->lineEdit_colorCardDesc->setValidator(new NameValidator(ui_->lineEdit_colorCardDesc));
    const InputGuide::CurrentLanguage language = [this] { return language_; };
    nameGuide_ = new InputGuide(ui_->lineEdit_colorCardName, language);
    descriptionGuide_ = new InputGuide(ui_->lineEdit_colorCardDesc, language);
    for (QLineEdit* field : {ui_->lineEdit_colorCardName, ui_->lineEdit_colorCardDesc}) {
        connect(field, &QLineEdit::textChanged, this, &ColorCardDialog::updateLimits);
        // Typing past the combined limit is still possible (Save refuses
        // it); the user hears about it at once.
        connect(field, &QLineEdit::textChanged, this, [this, field] {
            InputGuide* guide = InputGuide::of(field);
            if (guide && guide->overLimit())
                guide->showHint(GuidanceText::CombinedTooLong,
                                {QString::number(Limits::LibraryTextLength)});
        });
    }
    ui_->lineEdit_colorCardName->setText(name);
    ui_->lineEdit_colorCardDesc->setText(description);
    updateLimits();
    setWindowTitle(title_);
}

void ColorCardDialog::updateLimits() {
    const int nameLength = libraryName().length();
    const int descriptionLength = libraryDescription().length();
    nameGuide_->setLimit(qMin(ui_->lineEdit_colorCardName->maxLength(),
                              Limits::LibraryTextLength - descriptionLength));
    descriptionGuide_->setLimit(
        qMin(ui_->lineEdit_colorCardDesc->maxLength(), Limits::LibraryTextLength - nameLength));
}

ColorCardDialog::~ColorCardDialog() {
    delete ui_;
}

QString ColorCardDialog::libraryName() const {
    return ui_->lineEdit_colorCardName->text();
}

QString ColorCardDialog::libraryDescription() const {
    return ui_->lineEdit_colorCardDesc->text();
}

void ColorCardDialog::on_pushButton_save_clicked() {
    if (check_ && !check_(this, libraryName(), libraryDescription()))
        return;
    accept();
}

void ColorCardDialog::on_pushButton_cancel_clicked() {
    reject();
}

void ColorCardDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        setWindowTitle(title_);
    }
    QDialog::changeEvent(event);
}

}  // namespace colorcard
