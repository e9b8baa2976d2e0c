// SPDX-License-Identifier: MIT
#include <QSignalSpy>

#include "tests/workflow/TransferFixture.h"
#include "texts/ChangeTexts.h"
#include "workflow/ColorValueTexts.h"
#include "workflow/MeterController.h"

using namespace colorcard;

namespace {

// The simulated meter (2301, firmware 2) and another model, as device settings.
const QByteArray kSettings =
    "[Device1]\nMeterNo=2301\nModel=CM-200 Colorimeter\nUIIndex=1\nIsTarvik=0\nVersion=1\n\n"
    "[Device2]\nMeterNo=2302\nModel=CM-100 Colorimeter\nUIIndex=0\nIsTarvik=1\nVersion=9\n";

// A controller over the simulated meter, with the device settings above.
struct ControllerFixture : TransferFixture {
    std::unique_ptr<MeterController> controller;
    QList<MeterIdentity> identities;

    ControllerFixture() {
        QFile file(dir.filePath("meterno"));
        if (file.open(QIODevice::WriteOnly))
            file.write(kSettings);
        file.close();
        controller = std::make_unique<MeterController>(
            edits(), merge(), &frames, dir.filePath("meterno"), QStringLiteral(COLORCARD_BIN_DIR));
        QObject::connect(controller.get(), &MeterController::identified,
                         [this](const MeterIdentity& identity) { identities << identity; });
    }
};

}  // namespace

class MeterControllerTest : public QObject {
    Q_OBJECT
private slots:
    void identificationReportsByRecords() {
        ControllerFixture f;
        f.meter().loadLibraries({{"Lib", "Desc", simColours("c", 2)}});
        QSignalSpy finished(f.controller.get(), &MeterController::identificationFinished);
        f.controller->identify(0);
        QCOMPARE(f.identities.size(), 2);
        QCOMPARE(f.identities[0].model, QString("CM-200 Colorimeter"));
        QVERIFY(f.identities[1].companyLabels == MeterIdentity::CompanyLabels::Shown);
        QCOMPARE(f.service().meterNumber(), QString("2301"));
        QCOMPARE(f.service().maxLibraries(), 46);
        QCOMPARE(finished.size(), 1);
        // The first connection of an instrument exports its libraries, once.
        QCOMPARE(f.prompt.messages(), QStringList{"Export the color card data success!"});
        QCOMPARE(f.keys(), QStringList{"Lib:Desc"});
        f.prompt.clear();
        f.controller->identify(1);
        QCOMPARE(f.prompt.events.size(), 0);

        f.controller->forgetMeter();
        QCOMPARE(f.identities.last().model, QString());
        QCOMPARE(f.service().meterNumber(), QString());
    }

    void anotherInstrumentsLibrariesGoAfterTheQuestion() {
        ControllerFixture f;
        f.service().setMeterNumber("9999");
        f.addLibrary("Old", "d", {{"x", "1.00", "2.00", "3.00"}});
        f.service().clear();
        f.controller->seenInstruments() << SimIdentity().instrumentId;
        QSignalSpy change(f.controller.get(), &MeterController::instrumentChangeDetected);
        f.answer({false});
        f.controller->identify(0);
        QCOMPARE(change.size(), 1);
        QCOMPARE(f.prompt.questions(),
                 QStringList{"Detected that the new instrument will clear all data. Please save "
                             "the current data to Excel first. Do you want to save it?\n\n" +
                             ChangeText::InstrumentChangeChoices.in(Language::english())});
        QCOMPARE(f.store().selectLibraries().size(), 0);
        QCOMPARE(f.service().libraryCount(), 0);
    }

    void measuringPassesTheGateThenStores() {
        ControllerFixture f;
        f.addLibrary("Lib", "d", {});
        f.service().selectLibrary(0);
        QSignalSpy measured(f.controller.get(), &MeterController::measured);
        QVERIFY(!f.controller->measure("red"));
        QCOMPARE(f.prompt.messages(), QStringList{"Please lock color card library name！"});
        QCOMPARE(f.requests(0x44).size(), 0);

        f.prompt.clear();
        f.service().setLocked(true);
        const SimMeasurement sample = SimMeter::measurementFromRgb(200, 30, 30);
        f.meter().setMeasurement(sample);
        QVERIFY(f.controller->measure("red"));
        QCOMPARE(f.prompt.events.size(), 0);
        QCOMPARE(measured.size(), 1);
        const MeasuredColour shown = measured[0][0].value<MeasuredColour>();
        QCOMPARE(shown.red(), sample[16]);
        const QStringList texts =
            ColorValueTexts::fromMeasurement(QVector<int>(sample.begin(), sample.end()));
        QCOMPARE(shown.texts, texts);
        QCOMPARE(f.colourKeys("Lib", "d"), QStringList{"red:" + texts.mid(0, 3).join(':')});
        QCOMPARE(f.service().library(0).count, QString("1"));

        // A name the library holds is refused before the meter is asked.
        QVERIFY(!f.controller->measure("red"));
        QCOMPARE(f.requests(0x44).size(), 1);
    }

    // A measurement whose L*, a* or b* no colour can have is a garbled reply.
    void measurementOutsideTheLabRangeIsRefused() {
        ControllerFixture f;
        f.addLibrary("Lib", "d", {});
        f.service().selectLibrary(0);
        f.service().setLocked(true);
        QSignalSpy measured(f.controller.get(), &MeterController::measured);
        const SimMeasurement good = SimMeter::measurementFromRgb(20, 90, 200);
        const QList<QPair<int, int>> garbled{{0, 15001}, {0, -1001}, {1, -20001}, {2, 32767}};
        for (const auto& value : garbled) {
            SimMeasurement sample = good;
            sample[value.first] = value.second;
            f.meter().setMeasurement(sample);
            f.prompt.clear();
            QVERIFY(!f.controller->measure("blue"));
            QCOMPARE(f.prompt.messages(), QStringList{"Read measure data receive data error!"});
        }
        QCOMPARE(measured.size(), 0);
        QCOMPARE(f.service().library(0).count, QString("0"));
        QVERIFY(f.store().selectColours(f.service().library(0).id).isEmpty());

        f.meter().setMeasurement(good);
        QVERIFY(f.controller->measure("blue"));
        QCOMPARE(f.service().library(0).count, QString("1"));
    }
};

QTEST_GUILESS_MAIN(MeterControllerTest)
#include "tst_metercontroller.moc"
