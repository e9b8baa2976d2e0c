#include "MeterIdentification.h"

#include <QLabel>
#include <QLineEdit>

#include "FirstPage.h"
#include "FrameLayer.h"
#include "IdentityMessages.h"
#include "ui_FirstPage.h"

namespace {

constexpr int kDefaultMaxLibraries = 9;
constexpr int kNewerMaxLibraries = 46;

// Device settings row: MeterNo, Model, UIIndex, IsTarvik, Version, FlushEveryExchange.
enum SettingsColumn {
    MeterNoColumn = 0,
    ModelColumn,
    UiIndexColumn,
    IsTarvikColumn,
    VersionColumn,
    FlushColumn
};
// Library record: id, colorcardid, meterno, colorcardname, colorcarddesc, colorcardcount.
enum RecordColumn {
    IdentifierValue = 1,
    MeterNumberValue = 2,
    NameValue,
    DescriptionValue,
    CountValue
};
constexpr int kRecordSize = 6;

}  // namespace

MeterIdentification::MeterIdentification(FirstPage& page) : QObject(&page), page_(page) {}

qint64 MeterIdentification::settingsNumber(const QVariant& value) {
    bool ok = false;
    const qint64 number = value.toString().trimmed().toLongLong(&ok);
    return ok ? number : 0;
}

void MeterIdentification::identify(int type) {
    FrameLayer* frames = page_.frames();
    if (!frames || !frames->linkOpen())
        return;
    Messenger& messenger = page_.messenger();
    WorkspaceState& state = page_.state();
    IdentityMessages messages(*frames);

    quint32 instrumentId = 0;
    quint32 meterNumber = 0;
    int firmwareVersion = 0;
    KeyInformation key;
    const int keyResult = messages.readKeyInformation(key);
    if (keyResult == 1) {
        instrumentId = key.instrumentId;
        meterNumber = key.meterNumber;
        firmwareVersion = key.firmwareVersion;
    } else if (keyResult != -5) {
        messenger.tip(QStringLiteral("Read key information fail!"),
                      QStringLiteral("读取关键信息失败！"));
        return;
    } else {
        // A meter that does not know key information answers the older request.
        ProductionInformation production;
        const int result = messages.readProductionInformation(production);
        if (result != 1) {
            const QString text = IdentityMessages::productionInformationMessage(result);
            if (!text.isEmpty())
                chineseOnly(text);
            messenger.tip(QStringLiteral("Read meter information fail!"),
                          QStringLiteral("读取仪器信息失败！"));
            return;
        }
        instrumentId = production.instrumentId;
        meterNumber = production.meterNumber;
    }

    Ui::FirstPage* ui = page_.ui();
    if (!state.deviceTable.isEmpty()) {
        const QVariantList* model = nullptr;
        for (const QVariantList& row : state.deviceTable) {
            if (settingsNumber(row.value(MeterNoColumn)) == qint64(meterNumber)) {
                model = &row;
                break;
            }
        }
        if (!model) {
            if (meterNumber != 0)
                ui->lineEdit_meterModel->setText(
                    messenger.pick(QStringLiteral("Unknown"), QStringLiteral("未知设备")));
            else
                messenger.tip(QStringLiteral("Read meter model fail!"),
                              QStringLiteral("读取仪器型号失败！"));
            return;
        }
        state.meterNumber = QString::number(meterNumber);
        frames->setModelPacing(settingsNumber(model->value(FlushColumn)) != 0
                                   ? FrameLayer::Pacing::FlushEveryExchange
                                   : FrameLayer::Pacing::Adaptive);
        ui->lineEdit_meterModel->setText(model->value(ModelColumn).toString());
        state.uiIndex = int(settingsNumber(model->value(UiIndexColumn)));
        state.companyLabelFlag = int(settingsNumber(model->value(IsTarvikColumn)));
        const qint64 version = settingsNumber(model->value(VersionColumn));
        state.maxLibraries = firmwareVersion != 0 && version < firmwareVersion
                                 ? kNewerMaxLibraries
                                 : kDefaultMaxLibraries;
        if (state.databaseOpen) {
            if (type == 0)
                page_.checkInstrumentAtStartup();
            else
                page_.checkInstrumentOnArrival();
        }
        if (state.companyLabelFlag == 1) {
            ui->label_companyInfo->hide();
            ui->label_companyWet->hide();
        } else if (state.companyLabelFlag == 0 || state.companyLabelFlag == 2) {
            ui->label_companyInfo->show();
            ui->label_companyWet->show();
        }
    }

    emit identificationFinished(instrumentId);
    page_.exportOnFirstConnection(instrumentId);
}

void MeterIdentification::checkAtStartup() {
    QList<QVariantList> records;
    for (const QVariantList& record : page_.store().selectLibraries())
        if (record.size() >= kRecordSize)
            records << record;
    const QString meterNumber = page_.state().meterNumber;
    for (int i = 0; i < records.size(); ++i) {
        if (records[i].value(MeterNumberValue).toString() == meterNumber) {
            showStoredLibraries(records);
            return;
        }
        if (i == records.size() - 1)
            checkOnArrival();
    }
}

void MeterIdentification::checkOnArrival() {
    const QList<QVariantList> records = page_.store().selectLibraries();
    const QString meterNumber = page_.state().meterNumber;
    for (const QVariantList& record : records) {
        if (record.size() < kRecordSize)
            continue;
        if (record.value(MeterNumberValue).toString() != meterNumber) {
            runInstrumentChange();
            return;
        }
        showStoredLibraries(records);
    }
}

void MeterIdentification::showStoredLibraries(const QList<QVariantList>& records) {
    // Only into an empty table: the libraries already shown stay as they are.
    if (page_.libraryRowCount() != 0)
        return;
    for (const QVariantList& record : records) {
        if (record.size() < kRecordSize)
            continue;
        page_.appendLibraryRow(
            record.value(IdentifierValue).toString(), record.value(NameValue).toString(),
            record.value(DescriptionValue).toString(), record.value(CountValue).toString());
    }
}

void MeterIdentification::runInstrumentChange() {
    emit instrumentChangeDetected();
    page_.handleInstrumentChange();
}

void MeterIdentification::chineseOnly(const QString& text) {
    // The older request's failures exist in Chinese only and have no parent.
    if (Prompt* prompt = page_.messenger().prompt())
        prompt->information(nullptr, QStringLiteral("提示"), text);
}
