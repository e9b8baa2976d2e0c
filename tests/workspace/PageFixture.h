// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedPrompt.h"
#include "ui_FirstPage.h"
#include "workspace/ColorCardDialog.h"
#include "workspace/FirstPage.h"
#include "workspace/OperatorWidget.h"

using namespace colorcard;

// What a scripted user types into a library dialog and what the dialog showed.
struct DialogScript {
    QList<QPair<QString, QString>> attempts;  // name, description, each followed by Save
    int runs = 0;
    QString title;
    QString initialName;
    QString initialDescription;
};

// A page in its own temporary directory with a scripted prompt and a fixed clock.
struct PageFixture {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    DialogScript dialog;
    std::unique_ptr<Session> session;
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
        session.reset();
        Session::Setup setup;
        setup.prompt = &prompt;
        setup.frames = frames;
        setup.dataDirectory = dir.path();
        setup.settingsFile = dir.filePath("meterno");
        session = std::make_unique<Session>(setup);
        page = std::make_unique<FirstPage>(*session);
        page->store().setClock(fixedTime);
        page->setDialogRunner([this](ColorCardDialog& d) {
            ++dialog.runs;
            dialog.title = d.windowTitle();
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
    LibraryService& library() const { return page->library(); }
    QTableWidget* libraries() const { return page->ui()->tableWidget_colorCard; }
    QComboBox* combo() const { return page->ui()->comboBox_colorCardName; }

    void newLibrary(const QString& name, const QString& description) {
        dialog.attempts = {{name, description}};
        page->on_pushButton_newColorCardLibrary_clicked();
    }
    QPushButton* rowButton(int row, const char* name) const {
        auto* buttons = libraryButtons(libraries()->cellWidget(row, 4));
        return buttons ? buttons->findChild<QPushButton*>(name) : nullptr;
    }
    // Lists the store again, as identification does on an empty page.
    void relist() {
        library().clear();
        library().showStoredLibraries(page->store().selectLibraries());
    }
    // "name:description" per listed library.
    QStringList keys() const {
        QStringList list;
        for (const LibraryEntry& e : library().libraries())
            list << e.name + ":" + e.description;
        return list;
    }
    // "name:L:a:b" per listed colour of a library; empty when not listed.
    QStringList colourKeys(const QString& name, const QString& description) const {
        QStringList list;
        const int row = library().rowOf({name, description});
        if (row >= 0)
            for (const ColourEntry& c : library().library(row).colours)
                list << QStringList{c.name, c.L, c.a, c.b}.join(':');
        return list;
    }
    QStringList storedNames() {
        QStringList names;
        for (const Library& record : page->store().selectLibraries())
            names << record.name + ":" + record.description;
        return names;
    }
};

// Table rows, combo items and the service's list agree row by row, every
// row has its buttons, and the store holds the same libraries in the same order.
#define CHECK_LIBRARY_INVARIANTS(f)                                                    \
    do {                                                                               \
        const int rows = (f).libraries()->rowCount();                                  \
        QCOMPARE((f).combo()->count(), rows);                                          \
        QCOMPARE((f).library().libraryCount(), rows);                                  \
        for (int r = 0; r < rows; ++r) {                                               \
            QCOMPARE((f).combo()->itemText(r), (f).page->libraryCell(r, 1));           \
            QCOMPARE((f).keys()[r],                                                    \
                     (f).page->libraryCell(r, 1) + ":" + (f).page->libraryCell(r, 2)); \
            QCOMPARE((f).library().library(r).count, (f).page->libraryCell(r, 3));     \
            QCOMPARE((f).library().library(r).id, (f).page->libraryCell(r, 0));        \
            QVERIFY(libraryButtons((f).libraries()->cellWidget(r, 4)));                \
        }                                                                              \
        QCOMPARE((f).storedNames(), (f).keys());                                       \
    } while (false)
