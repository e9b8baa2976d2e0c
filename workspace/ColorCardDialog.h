// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "texts/Language.h"

namespace Ui {
class ColorCardDialog;
}

namespace colorcard {

class InputGuide;

// Asks for a library's name and description and stays open until the input
// passes its check (which tells the user why it does not) or the user cancels.
class ColorCardDialog : public QDialog {
    Q_OBJECT
public:
    // The check of Save: true lets the dialog close; dialog is the parent
    // for any message it shows.
    using Check =
        std::function<bool(QWidget* dialog, const QString& name, const QString& description)>;

    ColorCardDialog(const QString& title, const QString& name, const QString& description,
                    Check check, QWidget* parent = nullptr);
    ~ColorCardDialog() override;

    QString libraryName() const;
    QString libraryDescription() const;
    QString title() const { return title_; }
    // The language of the typing hints (Chinese at the start).
    void setLanguage(const Language& language) { language_ = language; }

public slots:
    void on_pushButton_save_clicked();
    void on_pushButton_cancel_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Each count shows what is left for its field once the other one's
    // characters are taken from the combined limit.
    void updateLimits();

    Ui::ColorCardDialog* ui_;
    QString title_;
    Check check_;
    Language language_;
    InputGuide* nameGuide_ = nullptr;
    InputGuide* descriptionGuide_ = nullptr;
};

}  // namespace colorcard
