#pragma once

#include <QString>

// The page's library table, combo box and key list as the procedures below
// the widgets see them. Row i of the table is item i of the combo box and
// entry i of WorkspaceState::libraryKeys.
class LibraryView {
public:
    virtual ~LibraryView() = default;

    virtual int libraryRowCount() const = 0;
    // Column 0 identifier, 1 name, 2 description, 3 colour count.
    virtual QString libraryCell(int row, int column) const = 0;
    // Replaces the colour count item of a row with a new centred one.
    virtual void setLibraryCount(int row, const QString& count) = 0;
    // Adds table row, combo item, library key and colour key map entry.
    virtual void appendLibraryRow(const QString& id, const QString& name,
                                  const QString& description, const QString& count) = 0;
    // Removes table row, combo item, library key and its colour key map entry.
    virtual void removeLibraryRow(int row) = 0;
    // When the combo box has items: current index -1, then 0, which reloads the colours.
    virtual void reselectFirstLibrary() = 0;
};
