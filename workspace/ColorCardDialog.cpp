#include "ColorCardDialog.h"

#include <QEvent>

#include "NameValidator.h"
#include "ui_ColorCardDialog.h"

ColorCardDialog::ColorCardDialog(const QString& title, bool chinese,
                                 const QStringList& existingKeys, const QString& name,
                                 const QString& description, QWidget* parent, Prompt* prompt)
    : QDialog(parent),
      ui_(new Ui::ColorCardDialog),
      title_(title),
      existingKeys_(existingKeys),
      messenger_(prompt, this) {
    messenger_.setChinese(chinese);
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
    const QString name = libraryName();
    const QString description = libraryDescription();
    if (name.isEmpty()) {
        messenger_.tip(QStringLiteral("Please input color card library name!"),
                       QStringLiteral("请输入色卡库名称！"));
        return;
    }
    if (description.isEmpty()) {
        messenger_.tip(QStringLiteral("Please input color card library description!"),
                       QStringLiteral("请输入色卡库描述！"));
        return;
    }
    if (name.length() + description.length() >= 19) {
        messenger_.tip(QStringLiteral("Color card library name and color card library description "
                                      "length at most 18 characters!"),
                       QStringLiteral("色卡库名称和色卡库描述总长度不能超过18个字符！"));
        return;
    }
    if (existingKeys_.contains(name + QLatin1Char(':') + description)) {
        messenger_.tip(QStringLiteral("The same name and description already exist, please modify "
                                      "the name or description!"),
                       QStringLiteral("已经存在相同的名称和描述，请修改名称或者描述！"));
        return;
    }
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
