#pragma once

#include <QDialog>
#include <QStringList>

#include "Messenger.h"

namespace Ui {
class ColorCardDialog;
}

// Asks for a library's name and description; refuses empty, too long and
// already existing entries with a message and stays open until the input
// passes or the user cancels.
class ColorCardDialog : public QDialog {
    Q_OBJECT
public:
    // prompt: where the dialog's messages go (the page's prompt); the boxes
    // have the dialog as parent.
    ColorCardDialog(const QString& title, bool chinese, const QStringList& existingKeys,
                    const QString& name, const QString& description, QWidget* parent = nullptr,
                    Prompt* prompt = nullptr);
    ~ColorCardDialog() override;

    QString libraryName() const;
    QString libraryDescription() const;
    QString title() const { return title_; }
    bool chinese() const { return messenger_.chinese(); }
    QStringList existingKeys() const { return existingKeys_; }

public slots:
    void on_pushButton_save_clicked();
    void on_pushButton_cancel_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::ColorCardDialog* ui_;
    QString title_;
    QStringList existingKeys_;
    Messenger messenger_;
};
