#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Page-wide state that identification, the transfers and the exchange read
// and change. The language flag lives in Messenger.
struct WorkspaceState {
    // Decimal number of the identified meter, "" when none.
    QString meterNumber;
    // Result of the last openDatabase.
    bool databaseOpen = false;
    // One "name:description" per library table row, in row order.
    QStringList libraryKeys;
    // Library key -> "name:L:a:b" of each colour, in colour table order.
    QMap<QString, QStringList> colorKeyMap;
    int maxLibraries = 9;
    // Instruments whose libraries were exported automatically in this run.
    QList<quint32> seenInstruments;
    int uiIndex = 0;
    int companyLabelFlag = 1;
    // Rows of the device settings file: MeterNo, Model, UIIndex, IsTarvik, Version.
    QList<QVariantList> deviceTable;
};
