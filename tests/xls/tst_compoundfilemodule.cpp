// SPDX-License-Identifier: MIT
#include <QFile>
#include <QtTest>

#include "xls/CompoundFileReader.h"
#include "xls/CompoundFileWriter.h"

using namespace colorcard;

// The container goes through a module loaded on the first workbook: a
// program that never touches one does not load libgsf and what it pulls in.
class TestCompoundFileModule : public QObject {
    Q_OBJECT

private:
    static bool mapped(const QByteArray& name) {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
    }

private slots:
    void loadedOnFirstUseOnly() {
        QVERIFY(!mapped("libgsf-1"));
        QVERIFY(!mapped("colorcard-gsf"));

        // Beyond the small-block limit (4,096 bytes) and through it: both
        // allocation tables of the container.
        for (const int size : {100, 4095, 4096, 70000}) {
            QByteArray payload(size, '\0');
            for (int i = 0; i < size; ++i)
                payload[i] = static_cast<char>(i * 7 + size);
            CompoundFileWriter writer;
            writer.addStream(QStringLiteral("Workbook"), payload);
            const QByteArray file = writer.build();
            QVERIFY2(file.startsWith(QByteArray::fromHex("d0cf11e0a1b11ae1")),
                     qPrintable(QString::number(size)));
            QByteArray back;
            QVERIFY(CompoundFileReader::readStream(
                file, {QStringLiteral("Book"), QStringLiteral("Workbook")}, &back));
            QCOMPARE(back, payload);
            QVERIFY(!CompoundFileReader::readStream(file, {QStringLiteral("Book")}, &back));
            QVERIFY(back.isEmpty());
        }
        QVERIFY(mapped("colorcard-gsf"));
        QVERIFY(mapped("libgsf-1"));
    }
};

QTEST_GUILESS_MAIN(TestCompoundFileModule)
#include "tst_compoundfilemodule.moc"
