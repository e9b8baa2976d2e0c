// SPDX-License-Identifier: MIT
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "store/DeviceSettings.h"

using namespace colorcard;

namespace {

QString writeSettings(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("meterno");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

}  // namespace

class DeviceSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void rowsInSectionOrderUpToTheFirstGap() {
        QTemporaryDir dir;
        const QString path = writeSettings(dir,
                                           "[Device2]\nMeterNo=2002\nModel=CM-2\nUIIndex=1\n"
                                           "IsTarvik=0\nVersion=7\n"
                                           "[Device1]\nVersion=5\nIsTarvik=1\nUIIndex=3\n"
                                           "Model=CM-1\nMeterNo=1001\nFlushEveryExchange=1\n"
                                           "[Device4]\nMeterNo=4004\nModel=CM-4\n");
        const QList<QVariantList> table = readDeviceSettings(path);
        QCOMPARE(table.size(), 2);
        QCOMPARE(table[0].size(), 6);
        QCOMPARE(table[0][0].toInt(), 1001);
        QCOMPARE(table[0][1].toString(), QString("CM-1"));
        QCOMPARE(table[0][2].toInt(), 3);
        QCOMPARE(table[0][3].toInt(), 1);
        QCOMPARE(table[0][4].toInt(), 5);
        QCOMPARE(table[1][0].toString(), QString("2002"));
        QCOMPARE(table[1][4].toInt(), 7);
        // The pacing key is optional: the model without it takes the fast path.
        QCOMPARE(table[0][5].toInt(), 1);
        QCOMPARE(table[1][5].toInt(), 0);
    }

    void emptyMeterNumberEndsTheTable() {
        QTemporaryDir dir;
        const QString path = writeSettings(dir,
                                           "[Device1]\nMeterNo=1\n[Device2]\nMeterNo=\nModel=X\n"
                                           "[Device3]\nMeterNo=3\n");
        QCOMPARE(readDeviceSettings(path).size(), 1);
    }

    void missingKeysReadAsEmpty() {
        QTemporaryDir dir;
        const QString path = writeSettings(dir, "[Device1]\nMeterNo=77\n");
        const QList<QVariantList> table = readDeviceSettings(path);
        QCOMPARE(table.size(), 1);
        QCOMPARE(table[0][1].toString(), QString(""));
        QCOMPARE(table[0][2].toInt(), 0);
        QCOMPARE(table[0][3].toInt(), 0);
        QCOMPARE(table[0][4].toInt(), 0);
        QCOMPARE(table[0][5].toInt(), 0);
    }

    void duplicateMeterNumbersKeepFileOrder() {
        QTemporaryDir dir;
        const QString path = writeSettings(dir,
                                           "[Device1]\nMeterNo=5\nModel=First, A\n"
                                           "[Device2]\nMeterNo=5\nModel=Second\n");
        const QList<QVariantList> table = readDeviceSettings(path);
        QCOMPARE(table.size(), 2);
        // A lookup that takes the first match finds the first section.
        QCOMPARE(table[0][1].toString(), QString("First, A"));
        QCOMPARE(table[1][1].toString(), QString("Second"));
    }

    void missingFileGivesAnEmptyTable() {
        QTemporaryDir dir;
        QVERIFY(readDeviceSettings(dir.filePath("meterno")).isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("meterno")));
    }
};

QTEST_GUILESS_MAIN(DeviceSettingsTest)
#include "tst_devicesettings.moc"
