#include "InstrumentChange.h"

#include "FirstPage.h"

InstrumentChange::InstrumentChange(FirstPage& page) : page(page) {}

void InstrumentChange::handleInstrumentChange() {
    // The store only ever holds one instrument's libraries: saving is the
    // user's one chance to keep them.
    while (page.messenger().ask(
        QStringLiteral("Detected that the new instrument will clear all data. Please save the "
                       "current data to Excel first. Do you want to save it?"),
        QStringLiteral("检测到新仪器会清空所有数据，请您先保存当前数据到Excel，是否保存？"))) {
        if (page.on_pushButton_saveToExcel_clicked())
            break;
    }
    page.clearAllData();
}

void InstrumentChange::exportOnFirstConnection(quint32 instrumentId) {
    if (page.state().seenInstruments.contains(instrumentId))
        return;
    page.on_pushButton_exportMeterData_clicked();
    page.state().seenInstruments.append(instrumentId);
}
