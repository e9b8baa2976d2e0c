// SPDX-License-Identifier: MIT
#include "workspace/RowSlotWarnings.h"

#include <QString>
#include <QtGlobal>

namespace colorcard {

namespace {

QtMessageHandler previousHandler = nullptr;

void dropRowSlotWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    static const char* const rowSlots[] = {
        "on_deleteColorCardPushButton_clicked", "on_modifyColorCardPushButton_clicked",
        "on_colorDataNameLineEdit_editingFinished", "on_deleteColorDataPushButton_clicked",
        "on_reMeasureColorDataPushButton_clicked"};
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QMetaObject::connectSlotsByName"))) {
        for (const char* slot : rowSlots)
            if (text.contains(QLatin1String(slot)))
                return;
    }
    if (previousHandler)
        previousHandler(type, context, text);
    else
        qt_message_output(type, context, text);
}

}  // namespace

void withoutRowSlotWarnings(const std::function<void()>& setup) {
    previousHandler = qInstallMessageHandler(dropRowSlotWarnings);
    setup();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

}  // namespace colorcard
