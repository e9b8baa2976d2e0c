// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QTableWidget;
class QWidget;

namespace colorcard {

// Keeps every text of a window whole whatever the font and the language. The
// forms give their widgets sizes in pixels, which suit one font; this raises
// them, never lowers them, to what the contents need:
//  - a push button is at least as large as its text needs;
//  - a line edit with the dynamic property "widestText" is wide enough for
//    that text (the widest value it shows);
//  - table rows are tall enough for their cell widgets, columns wide enough
//    for their header and the cells in view, and a table whose last column
//    stretches is wide enough for that column's cell widgets.
// It acts once the event loop runs and again after a language change, a font
// change or new table rows.
class LayoutFit : public QObject {
    Q_OBJECT
public:
    // Fits root's widgets for as long as root lives.
    static LayoutFit* install(QWidget* root);

    // Fits now; usually the queued fit is enough.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit LayoutFit(QWidget* root);
    void schedule();
    void watchTables();
    void fitTable(QTableWidget* table);

    QPointer<QWidget> root_;
    QTimer timer_;
};

}  // namespace colorcard
