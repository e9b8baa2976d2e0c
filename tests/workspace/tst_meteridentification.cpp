// SPDX-License-Identifier: MIT
#include "tests/workspace/MeterFixture.h"

using namespace colorcard;

namespace {

const QString kKeyRequest = "ab 20 05 00 12 00";
const QString kProductionRequest = "ab 40 00 00 00 00 14 00";

// What identification reported through the page's two hooks.
struct HookSpy {
    QSignalSpy changes;
    QSignalSpy finished;
    explicit HookSpy(FirstPage& page)
        : changes(&page.meter(), &MeterController::instrumentChangeDetected),
          finished(&page.meter(), &MeterController::identificationFinished) {}
    QList<quint32> exported() const {
        QList<quint32> ids;
        for (const QList<QVariant>& call : finished)
            ids << call.value(0).value<quint32>();
        return ids;
    }
};

QStringList shownLibraries(PageFixture& f) {
    QStringList names;
    for (int r = 0; r < f.libraries()->rowCount(); ++r)
        names << f.page->libraryCell(r, 1);
    return names;
}

void storeLibrary(FirstPage& page, int number, const QString& name, const QString& meterNumber) {
    const QString id = QString("ColorCard%1").arg(number) + kStamp;
    page.store().createColorDataTable(id);
    page.store().insertLibrary(id, meterNumber, name, "d", "0");
}

}  // namespace

class MeterIdentificationTest : public QObject {
    Q_OBJECT
private slots:
    void identifiesThroughKeyInformation() {
        MeterPage m;
        FirstPage& page = m.page();
        HookSpy hooks(page);
        QVERIFY(m.f.ui()->label_companyInfo->isHidden());
        page.identifyMeter(0);

        QCOMPARE(m.sim.requests(), QStringList{kKeyRequest});
        QCOMPARE(m.f.ui()->lineEdit_meterModel->text(), QString("CM-200 Colorimeter"));
        QCOMPARE(page.library().meterNumber(), QString("2301"));
        QCOMPARE(page.meter().uiIndex(), 1);
        QCOMPARE(page.meter().companyLabelFlag(), 0);
        // Firmware 2 is newer than the model's Version 1.
        QCOMPARE(page.library().maxLibraries(), 46);
        QVERIFY(!m.f.ui()->label_companyInfo->isHidden());
        QVERIFY(!m.f.ui()->label_companyWet->isHidden());
        QCOMPARE(hooks.exported(), QList<quint32>{20240601});
        QCOMPARE(hooks.changes.count(), 0);
        QCOMPARE(m.f.prompt.events.size(), 0);

        // A model with IsTarvik 1 hides the labels again.
        SimIdentity other;
        other.meterNumber = 2302;
        other.instrumentId = 7;
        m.sim.meter().setIdentity(other);
        page.identifyMeter(1);
        QCOMPARE(m.f.ui()->lineEdit_meterModel->text(), QString("CM-100 Colorimeter"));
        QVERIFY(m.f.ui()->label_companyInfo->isHidden());
        QVERIFY(m.f.ui()->label_companyWet->isHidden());
        QCOMPARE(page.library().maxLibraries(), 9);
        QCOMPARE(hooks.exported(), (QList<quint32>{20240601, 7}));

        page.clearMeterInfo();
        QCOMPARE(page.library().meterNumber(), QString());
        QCOMPARE(m.f.ui()->lineEdit_meterModel->text(), QString());
    }

    void olderMeterThroughProductionInformation() {
        MeterPage m;
        m.sim.meter().faults().olderIdentityOnly = true;
        SimIdentity identity;
        identity.firmwareVersion = 7;  // not reported by the older request
        identity.instrumentId = 99;
        m.sim.meter().setIdentity(identity);
        m.page().meter().seenInstruments() << 99;
        HookSpy hooks(m.page());
        m.page().identifyMeter(0);
        QCOMPARE(m.sim.requests(), (QStringList{kKeyRequest, kProductionRequest}));
        QCOMPARE(m.f.ui()->lineEdit_meterModel->text(), QString("CM-200 Colorimeter"));
        QCOMPARE(m.page().library().meterNumber(), QString("2301"));
        QCOMPARE(m.page().library().maxLibraries(), 9);
        QCOMPARE(hooks.exported(), QList<quint32>{99});
        QCOMPARE(m.f.prompt.events.size(), 0);
    }

    void firmwareAgainstVersion_data() {
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("maximum");
        QTest::newRow("5 over 3") << 5 << "3" << 46;
        QTest::newRow("5 over 5") << 5 << "5" << 9;
        QTest::newRow("5 under 6") << 5 << "6" << 9;
        QTest::newRow("0 over nothing") << 0 << "" << 9;
        QTest::newRow("1 over missing Version") << 1 << QString() << 46;
    }
    void firmwareAgainstVersion() {
        QFETCH(int, firmware);
        QFETCH(QString, version);
        QFETCH(int, maximum);
        QByteArray settings = "[Device1]\nMeterNo=2301\nModel=M\n";
        if (!version.isNull())
            settings += "Version=" + version.toLatin1() + "\n";
        MeterPage m(settings);
        SimIdentity identity;
        identity.firmwareVersion = quint16(firmware);
        m.sim.meter().setIdentity(identity);
        m.page().identifyMeter(1);
        QCOMPARE(m.page().library().maxLibraries(), maximum);
        // A row without IsTarvik reads 0: the labels are shown.
        QVERIFY(!m.f.ui()->label_companyInfo->isHidden());
    }

    void pacingOfTheModel_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("everyExchange");
        QTest::newRow("asks for it")
            << QByteArray("[Device1]\nMeterNo=2301\nFlushEveryExchange=1\n") << true;
        QTest::newRow("0") << QByteArray("[Device1]\nMeterNo=2301\nFlushEveryExchange=0\n")
                           << false;
        QTest::newRow("older file without the key") << kSettings << false;
        QTest::newRow("another model asks for it")
            << QByteArray("[Device1]\nMeterNo=2301\n[Device2]\nMeterNo=7\nFlushEveryExchange=1\n")
            << false;
    }
    void pacingOfTheModel() {
        QFETCH(QByteArray, settings);
        QFETCH(bool, everyExchange);
        const auto expected =
            everyExchange ? FrameLayer::Pacing::FlushEveryExchange : FrameLayer::Pacing::Adaptive;
        MeterPage m(settings);
        m.page().identifyMeter(1);
        QCOMPARE(m.sim.frames.pacing(), expected);
        // Another attachment starts from the fast path until it is identified.
        QVERIFY(m.sim.open());
        QCOMPARE(m.sim.frames.pacing(), FrameLayer::Pacing::Adaptive);
        m.page().identifyMeter(1);
        QCOMPARE(m.sim.frames.pacing(), expected);
    }

    void unknownMeterShowsUnknownAndStops() {
        for (const Language& language : {Language::english(), Language::chinese()}) {
            MeterPage m;
            FirstPage& page = m.page();
            storeLibrary(page, 1, "mine", "4242");
            page.setLanguage(language);
            SimIdentity identity;
            identity.meterNumber = 4242;
            m.sim.meter().setIdentity(identity);
            HookSpy hooks(page);
            page.identifyMeter(0);
            QCOMPARE(m.f.ui()->lineEdit_meterModel->text(),
                     QString(language.isChinese() ? "未知设备" : "Unknown"));
            QCOMPARE(page.library().meterNumber(), QString());
            QCOMPARE(m.f.libraries()->rowCount(), 0);
            QCOMPARE(page.library().maxLibraries(), 9);
            QCOMPARE(hooks.finished.count(), 0);
            QCOMPARE(hooks.changes.count(), 0);
            QCOMPARE(m.f.prompt.events.size(), 0);
        }
    }

    void meterNumberZeroIsAModelFailure() {
        for (const Language& language : {Language::english(), Language::chinese()}) {
            MeterPage m;
            m.page().setLanguage(language);
            m.f.ui()->lineEdit_meterModel->setText("before");
            SimIdentity identity;
            identity.meterNumber = 0;
            m.sim.meter().setIdentity(identity);
            HookSpy hooks(m.page());
            m.page().identifyMeter(1);
            QCOMPARE(m.f.prompt.messages(),
                     QStringList{language.isChinese() ? "读取仪器型号失败！"
                                                      : "Read meter model fail!"});
            QCOMPARE(m.f.prompt.events[0].title, QString(language.isChinese() ? "提示" : "Tip"));
            QCOMPARE(m.f.prompt.events[0].parent, static_cast<QWidget*>(&m.page()));
            QCOMPARE(m.f.ui()->lineEdit_meterModel->text(), QString("before"));
            QCOMPARE(hooks.finished.count(), 0);
        }
    }

    void emptySettingsStillExports() {
        MeterPage m("");
        FirstPage& page = m.page();
        // Another meter's library is not even looked at.
        storeLibrary(page, 1, "theirs", "9999");
        HookSpy hooks(page);
        page.identifyMeter(0);
        QCOMPARE(m.f.ui()->lineEdit_meterModel->text(), QString());
        QCOMPARE(page.library().meterNumber(), QString());
        QCOMPARE(page.library().maxLibraries(), 9);
        QVERIFY(m.f.ui()->label_companyInfo->isHidden());
        QCOMPARE(m.f.libraries()->rowCount(), 0);
        QCOMPARE(hooks.changes.count(), 0);
        QCOMPARE(hooks.exported(), QList<quint32>{20240601});
    }

    void linkClosedDoesNothing() {
        MeterPage m;
        m.sim.close();
        HookSpy hooks(m.page());
        m.page().identifyMeter(0);
        QCOMPARE(m.sim.requests(), QStringList());
        QCOMPARE(m.f.prompt.events.size(), 0);
        QCOMPARE(hooks.finished.count(), 0);
    }

    void keyInformationFailureStops() {
        for (const Language& language : {Language::english(), Language::chinese()}) {
            MeterPage m;
            m.page().setLanguage(language);
            m.sim.meter().faults().wrongCrc = true;
            HookSpy hooks(m.page());
            m.page().identifyMeter(0);
            // No fallback to the older request for anything but "not supported".
            QCOMPARE(m.sim.requests(), QStringList{kKeyRequest});
            QCOMPARE(m.f.prompt.messages(),
                     QStringList{language.isChinese() ? "读取关键信息失败！"
                                                      : "Read key information fail!"});
            QCOMPARE(m.f.ui()->lineEdit_meterModel->text(), QString());
            QCOMPARE(hooks.finished.count(), 0);
        }
    }

    void productionInformationFailures_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("writeResult");
        QTest::addColumn<QString>("chineseOnly");
        const QByteArray fields =
            "01 00 E8 07 06 01 01 00 00 00 FD 08 00 00 00 00 00 00";  // meter 2301
        QTest::newRow("not written") << QByteArray() << 3 << "读取生产信息写端口失败！";
        QTest::newRow("no reply") << QByteArray() << -100 << "读取生产信息接收端口报文失败！";
        QTest::newRow("wrong form")
            << ScriptedLinker::sealed("AB 40 01 00 00 00 15 00 " + fields + " 00 00") << -100
            << "读取生产信息接收的报文格式错误！";
        QTest::newRow("checksum") << ScriptedLinker::sealed("AB 40 00 00 00 00 14 00 " + fields +
                                                            " 12 34")
                                  << -100 << "读取生产信息checksum错误！";
        QTest::newRow("error reply")
            << ScriptedLinker::sealed("AB C7 08 00 00 00 00 00") << -100 << QString();
    }
    void productionInformationFailures() {
        QFETCH(QByteArray, reply);
        QFETCH(int, writeResult);
        QFETCH(QString, chineseOnly);
        ScriptedPage s;
        s.page().setLanguage(Language::english());
        s.linker.replies << ScriptedLinker::sealed("AB A0 04 00 00 00");
        if (writeResult != -100)
            s.linker.writeResults << 10 << writeResult;  // the key request goes out
        if (!reply.isEmpty())
            s.linker.replies << reply;
        QSignalSpy finished(&s.page().meter(), &MeterController::identificationFinished);
        s.page().identifyMeter(0);

        QStringList expected;
        if (!chineseOnly.isEmpty())
            expected << chineseOnly;
        expected << "Read meter information fail!";
        QCOMPARE(s.f.prompt.messages(), expected);
        if (!chineseOnly.isEmpty()) {
            // Chinese whatever the language, titled 提示, without a parent.
            QCOMPARE(s.f.prompt.events[0].title, QString("提示"));
            QCOMPARE(s.f.prompt.events[0].parent, static_cast<QWidget*>(nullptr));
        }
        QCOMPARE(s.f.prompt.events.last().title, QString("Tip"));
        QCOMPARE(s.f.prompt.events.last().parent, static_cast<QWidget*>(&s.page()));
        QCOMPARE(finished.count(), 0);
        QCOMPARE(s.page().library().meterNumber(), QString());
    }

    void startupShowsTheMetersLibrariesInDatabaseOrder() {
        MeterPage m;
        FirstPage& page = m.page();
        storeLibrary(page, 3, "zeta", "2301");
        storeLibrary(page, 1, "alpha", "2301");
        storeLibrary(page, 2, "mid", "2301");
        HookSpy hooks(page);
        page.identifyMeter(0);
        QCOMPARE(shownLibraries(m.f), (QStringList{"zeta", "alpha", "mid"}));
        QCOMPARE(page.libraryCell(1, 0), "ColorCard1" + kStamp);
        QCOMPARE(hooks.changes.count(), 0);
        QCOMPARE(m.f.prompt.questions(), QStringList());
        CHECK_LIBRARY_INVARIANTS(m.f);

        // The same meter plugged in again adds nothing.
        page.identifyMeter(1);
        QCOMPARE(shownLibraries(m.f), (QStringList{"zeta", "alpha", "mid"}));
        QCOMPARE(hooks.changes.count(), 0);
    }

    void anotherMetersLibrariesStartTheInstrumentChangeOnce() {
        for (const int type : {0, 1}) {
            MeterPage m;
            FirstPage& page = m.page();
            storeLibrary(page, 1, "a", "9999");
            storeLibrary(page, 2, "b", "9999");
            storeLibrary(page, 3, "c", "8888");
            HookSpy hooks(page);
            page.identifyMeter(type);
            QCOMPARE(hooks.changes.count(), 1);
            QCOMPARE(m.f.libraries()->rowCount(), 0);
            // The export hook still runs, after the change.
            QCOMPARE(hooks.finished.count(), 1);
        }
    }

    void arrivalShowsOwnLibrariesIntoAnEmptyTable() {
        MeterPage m;
        FirstPage& page = m.page();
        storeLibrary(page, 1, "a", "2301");
        storeLibrary(page, 2, "b", "2301");
        HookSpy hooks(page);
        page.identifyMeter(1);
        QCOMPARE(shownLibraries(m.f), (QStringList{"a", "b"}));
        QCOMPARE(hooks.changes.count(), 0);
        CHECK_LIBRARY_INVARIANTS(m.f);
    }

    void emptyDatabaseShowsAndAsksNothing() {
        MeterPage m;
        HookSpy hooks(m.page());
        m.page().identifyMeter(0);
        QCOMPARE(m.f.libraries()->rowCount(), 0);
        QCOMPARE(hooks.changes.count(), 0);
        QCOMPARE(m.f.prompt.events.size(), 0);
    }

    void closedDatabaseSkipsTheLibraryCheck() {
        MeterPage m;
        // The database file cannot be opened again (a directory took its name).
        m.page().store().deleteDatabaseFile();
        QVERIFY(QDir().mkpath(m.f.dir.filePath("database.db")));
        QVERIFY(!m.page().library().open());
        QVERIFY(!m.page().library().databaseOpen());
        m.f.prompt.clear();
        HookSpy hooks(m.page());
        m.page().identifyMeter(0);
        QCOMPARE(m.f.ui()->lineEdit_meterModel->text(), QString("CM-200 Colorimeter"));
        QCOMPARE(m.f.libraries()->rowCount(), 0);
        QCOMPARE(hooks.finished.count(), 1);
        // The check would have told that the libraries cannot be read.
        QCOMPARE(m.f.prompt.events.size(), 0);
    }

    void settingsNumbers() {
        QCOMPARE(MeterController::settingsNumber(QVariant("2301")), qint64(2301));
        QCOMPARE(MeterController::settingsNumber(QVariant("4294967295")), qint64(4294967295));
        QCOMPARE(MeterController::settingsNumber(QVariant("abc")), qint64(0));
        QCOMPARE(MeterController::settingsNumber(QVariant()), qint64(0));
    }
};

QTEST_MAIN(MeterIdentificationTest)
#include "tst_meteridentification.moc"
