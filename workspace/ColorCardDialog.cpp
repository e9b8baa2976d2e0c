#include "ColorCardDialog.h"

#include <QEvent>

#include "NameValidator.h"
#include "ui_ColorCardDialog.h"

ColorCardDialog::ColorCardDialog(const QString& title, const QString& name,
                                 const QString& description, Check check, QWidget* parent)
    : QDialog(parent), ui_(new Ui::ColorCardDialog), title_(title), check_(std::move(check)) {
    ui_->setupUi(this);
    ui_->lineEdit_colorCardName->setValidator(new NameValidator(ui_->lineEdit_colorCardName));
    ui_->lineEdit_colorCardDesc->setValidator(new NameValidator(ui_->lineEdit_colorCardDesc));
    ui_->lineEdit_colorCardName->setText(name);
    ui_->lineEdit_colorCardDesc->setText(description);
    setWindowTitle(title_);
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
