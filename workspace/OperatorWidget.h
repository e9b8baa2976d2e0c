// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QHBoxLayout;
class QPushButton;

namespace colorcard {

// The two buttons of one table row: Delete and Modify in the library table,
// Delete and Re-measure in the colour table. The page finds the row from the
// widget's place in the table, so the signals carry nothing.
class OperatorWidget : public QWidget {
    Q_OBJECT
public:
    enum class Use { Library, Colour };

    explicit OperatorWidget(Use use, QWidget* parent = nullptr);

    Use use() const { return use_; }

signals:
    void signal_delete();
    // Library rows only.
    void signal_modify();
    // Colour rows only.
    void signal_reMeasure();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Use use_;
    QPushButton* delete_;
    QPushButton* second_;
};

// Its row's widget when sender is the library-row buttons (null otherwise).
OperatorWidget* libraryButtons(QObject* sender);
// Its row's widget when sender is the colour-row buttons (null otherwise).
OperatorWidget* colourButtons(QObject* sender);

}  // namespace colorcard
