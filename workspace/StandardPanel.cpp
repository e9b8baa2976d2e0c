// SPDX-License-Identifier: MIT
#include "workspace/StandardPanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "workflow/LibraryService.h"
#include "workflow/QualityController.h"
#include "workspace/QualityPageText.h"

namespace colorcard {

StandardPanel::StandardPanel(QualityController& controller, QWidget* parent)
    : QGroupBox(parent), controller_(controller) {
    setObjectName(QStringLiteral("groupBox_qcStandard"));
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(10);
    libraryLabel_ = new QLabel(this);
    library_ = new QComboBox(this);
    library_->setObjectName(QStringLiteral("comboBox_qcLibrary"));
    library_->setMinimumWidth(160);
    colourLabel_ = new QLabel(this);
    colour_ = new QComboBox(this);
    colour_->setObjectName(QStringLiteral("comboBox_qcStandard"));
    colour_->setMinimumWidth(180);
    // Long names do not widen the page: the lists show them whole.
    for (QComboBox* combo : {library_, colour_}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(12);
        combo->view()->setTextElideMode(Qt::ElideNone);
    }
    // Typing part of a name finds the colour.
    colour_->setEditable(true);
    colour_->setInsertPolicy(QComboBox::NoInsert);
    colour_->completer()->setFilterMode(Qt::MatchContains);
    colour_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    colour_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    layout->addWidget(libraryLabel_);
    layout->addWidget(library_, 1);
    layout->addWidget(colourLabel_);
    layout->addWidget(colour_, 1);

    connect(library_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &StandardPanel::libraryChosen);
    connect(colour_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (index >= 0)
            controller_.chooseStandard(libraryId(), colour_->itemData(index).toString());
    });
    // A typed name chooses its colour; any other text gives way to the
    // standard's name, so the field never names a colour that is not chosen.
    connect(colour_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const int match = colour_->findText(colour_->currentText(), Qt::MatchFixedString);
        if (match >= 0 && match != colour_->currentIndex()) {
            colour_->setCurrentIndex(match);
            return;
        }
        const int current = colour_->currentIndex();
        colour_->setEditText(current >= 0 ? colour_->itemText(current) : QString());
    });

    LibraryService& library = controller_.library();
    connect(&library, &LibraryService::libraryAppended, this, &StandardPanel::fillLibraries);
    connect(&library, &LibraryService::libraryChanged, this, &StandardPanel::fillLibraries);
    connect(&library, &LibraryService::libraryRemoved, this, &StandardPanel::fillLibraries);
    connect(&library, &LibraryService::librariesCleared, this, &StandardPanel::fillLibraries);
    connect(&library, &LibraryService::colourAppended, this, &StandardPanel::fillColours);
    connect(&library, &LibraryService::colourChanged, this, &StandardPanel::fillColours);
    connect(&library, &LibraryService::colourRemoved, this, &StandardPanel::fillColours);
}

void StandardPanel::retranslate() {
    setTitle(QualityPageText::tr("Standard"));
    libraryLabel_->setText(QualityPageText::tr("Library:"));
    colourLabel_->setText(QualityPageText::tr("Standard:"));
    colour_->lineEdit()->setPlaceholderText(QualityPageText::tr("Type to search"));
}

QString StandardPanel::libraryId() const {
    return library_->currentData().toString();
}

QString StandardPanel::libraryName() const {
    return library_->currentText();
}

void StandardPanel::fillLibraries() {
    const QString shown = libraryId();
    {
        const QSignalBlocker blocker(library_);
        library_->clear();
        for (const LibraryEntry& entry : controller_.library().libraries())
            library_->addItem(entry.name, entry.id);
        int index = library_->findData(shown);
        if (index < 0 && controller_.standard())
            index = library_->findData(controller_.standard()->libraryId);
        library_->setCurrentIndex(index >= 0 ? index : (library_->count() ? 0 : -1));
    }
    libraryChosen();
}

void StandardPanel::libraryChosen() {
    // The standard is a colour of the library shown, judged by the tolerance shown.
    const std::optional<QualityStandard>& standard = controller_.standard();
    if (standard && standard->libraryId != libraryId())
        controller_.clearStandard();
    fillColours();
    emit libraryShown();
}

void StandardPanel::fillColours() {
    const QSignalBlocker blocker(colour_);
    colour_->clear();
    const QString id = libraryId();
    for (const LibraryEntry& entry : controller_.library().libraries()) {
        if (entry.id != id)
            continue;
        for (const ColourEntry& colour : entry.colours)
            colour_->addItem(colour.name, colour.id);
    }
    const std::optional<QualityStandard>& standard = controller_.standard();
    colour_->setCurrentIndex(
        standard && standard->libraryId == id ? colour_->findData(standard->colourId) : -1);
}

void StandardPanel::followStandard() {
    const std::optional<QualityStandard>& standard = controller_.standard();
    if (!standard)
        return;
    const int library = library_->findData(standard->libraryId);
    if (library >= 0 && library != library_->currentIndex())
        library_->setCurrentIndex(library);
    const int colour = colour_->findData(standard->colourId);
    if (colour != colour_->currentIndex()) {
        const QSignalBlocker blocker(colour_);
        colour_->setCurrentIndex(colour);
    }
}

}  // namespace colorcard
