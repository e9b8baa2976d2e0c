#pragma once

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ColorCardDialog.h"
#include "ColorCardOperatorWidget.h"
#include "FirstPage.h"
#include "ScriptedPrompt.h"
#include "ui_FirstPage.h"

inline QDateTime fixedTime() {
    return QDateTime(QDate(2026, 12, 6), QTime(18, 42, 31));
}
inline const QString kStamp = QStringLiteral("261206184231");

// What a scripted user types into a library dialog and what the dialog showed.
struct DialogScript {
    QList<QPair<QString, QString>> attempts;  // name, description, each followed by Save
    int runs = 0;
    QString title;
    bool chinese = false;
    QStringList existingKeys;
    QString initialName;
    QString initialDescription;
};

// A page in its own temporary directory with a scripted prompt and a fixed clock.
struct PageFixture {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    DialogScript dialog;
    std::unique_ptr<FirstPage> page;

    // Frames of the meter link the page talks over; null: no link at all.
    FrameLayer* frames = nullptr;

    explicit PageFixture(const QByteArray& settings = QByteArray(),
                         FrameLayer* meterFrames = nullptr)
        : frames(meterFrames) {
        if (!settings.isNull()) {
            QFile file(dir.filePath("meterno"));
            if (file.open(QIODevice::WriteOnly))
                file.write(settings);
        }
        open();
    }

    // (Re)creates the page on the same directory, like a restart.
    void open() {
        page.reset();
        page = std::make_unique<FirstPage>(nullptr, frames, &prompt, dir.path(),
                                           dir.filePath("meterno"));
        page->store().setClock(fixedTime);
        page->setDialogRunner([this](ColorCardDialog& d) {
            ++dialog.runs;
            dialog.title = d.windowTitle();
            dialog.chinese = d.chinese();
            dialog.existingKeys = d.existingKeys();
            dialog.initialName = d.libraryName();
            dialog.initialDescription = d.libraryDescription();
            for (const auto& attempt : dialog.attempts) {
                d.findChild<QLineEdit*>("lineEdit_colorCardName")->setText(attempt.first);
                d.findChild<QLineEdit*>("lineEdit_colorCardDesc")->setText(attempt.second);
                d.findChild<QPushButton*>("pushButton_save")->click();
                if (d.result() == QDialog::Accepted)
                    break;
            }
            if (d.result() != QDialog::Accepted)
                d.findChild<QPushButton*>("pushButton_cancel")->click();
            dialog.attempts.clear();
            return d.result() == QDialog::Accepted;
        });
    }

    Ui::FirstPage* ui() const { return page->ui(); }
    QTableWidget* libraries() const { return page->ui()->tableWidget_colorCard; }
    QComboBox* combo() const { return page->ui()->comboBox_colorCardName; }

    void newLibrary(const QString& name, const QString& description) {
        dialog.attempts = {{name, description}};
        page->on_pushButton_newColorCardLibrary_clicked();
    }
    QPushButton* rowButton(int row, const char* name) const {
        auto* buttons = qobject_cast<ColorCardOperatorWidget*>(libraries()->cellWidget(row, 4));
        return buttons ? buttons->findChild<QPushButton*>(name) : nullptr;
    }
    QStringList storedNames() {
        QStringList names;
        for (const LibraryRecord& record : page->store().selectLibraries())
            names << record.value(3).toString() + ":" + record.value(4).toString();
        return names;
    }
};

// Table rows, combo items and library keys agree row by row, every row has
// its buttons, and the store holds the same libraries in the same order.
#define CHECK_LIBRARY_INVARIANTS(f)                                                             \
    do {                                                                                        \
        const int rows = (f).libraries()->rowCount();                                           \
        QCOMPARE((f).combo()->count(), rows);                                                   \
        QCOMPARE((f).page->state().libraryKeys.size(), rows);                                   \
        for (int r = 0; r < rows; ++r) {                                                        \
            QCOMPARE((f).combo()->itemText(r), (f).page->libraryCell(r, 1));                    \
            QCOMPARE((f).page->state().libraryKeys[r],                                          \
                     (f).page->libraryCell(r, 1) + ":" + (f).page->libraryCell(r, 2));          \
            QVERIFY(qobject_cast<ColorCardOperatorWidget*>((f).libraries()->cellWidget(r, 4))); \
        }                                                                                       \
        QCOMPARE((f).storedNames(), (f).page->state().libraryKeys);                             \
        QStringList mapped = (f).page->state().colorKeyMap.keys();                              \
        QStringList keys = (f).page->state().libraryKeys;                                       \
        mapped.sort();                                                                          \
        keys.sort();                                                                            \
        QCOMPARE(mapped, keys);                                                                 \
    } while (false)
