// SPDX-License-Identifier: MIT
#include "tests/workflow/ExchangeFixture.h"

using namespace colorcard;

// Saved and imported into an empty store, every library and every value of
// every colour comes back as it was stored.
class ExchangeRoundTripTest : public QObject {
    Q_OBJECT

    QTemporaryDir out;

    void roundTrip(ExchangeFixture& source, const QString& name) {
        const QString file = out.filePath(name);
        for (const LibraryEntry& library : source.service().libraries())
            if (library.count.toInt() == 0)
                source.prompt.answers.enqueue(true);
        QVERIFY(source.save(file));
        QCOMPARE(source.prompt.firstParagraphs(), QStringList{"Save file success!"});

        ExchangeFixture target(source.service().meterNumber());
        target.service().setMaxLibraries(source.service().maxLibraries());
        target.import(file);
        QCOMPARE(target.prompt.messages(), QStringList{"Import file success!"});
        QCOMPARE(target.prompt.questions(), QStringList());
        QCOMPARE(target.snapshot(), source.snapshot());
        QCOMPARE(target.keys(), source.keys());
        QCOMPARE(target.viewState().mid(target.probe->rows.size()).size(),
                 source.service().libraryCount());
        for (const LibraryEntry& library : source.service().libraries())
            QCOMPARE(target.colourKeys(library.name, library.description),
                     source.colourKeys(library.name, library.description));
    }

private slots:
    void initTestCase() {
        quietEngineTraces();
        QVERIFY(out.isValid());
    }

    void everyValueComesBack() {
        ExchangeFixture source;
        QList<SheetColour> mixed = colours(6, 40, QStringLiteral("颜色"));
        mixed[0].name = QStringLiteral("深红 Deep-red_1");
        mixed[1].values[8] = QStringLiteral("359.9");  // h with one decimal
        mixed[1].values[10] = QStringLiteral("0.0001");
        mixed[2].values[1] = QStringLiteral("-128.00");
        // Colours exported from a meter carry L*, a*, b* only.
        for (int v = 3; v < 19; ++v)
            mixed[3].values[v] = QString("");
        source.addLibrary(QStringLiteral("红色系列"), QStringLiteral("春季新品"), mixed);
        source.addLibrary("Empty", "nothing yet");
        source.addLibrary("Plain", "", colours(25, 300));
        source.addLibrary(QStringLiteral("蓝"), "a:b", colours(1, 7));
        roundTrip(source, "mixed.xls");
    }

    void fullWorkbook() {
        ExchangeFixture source;
        source.service().setMaxLibraries(46);
        int seed = 0;
        for (int k = 0; k < 46; ++k) {
            const int count = 20000 / 46 + (k < 20000 % 46 ? 1 : 0);
            source.addLibrary(QStringLiteral("色卡库 %1").arg(k + 1),
                              QStringLiteral("Library %1").arg(k + 1), colours(count, seed));
            seed += count;
        }
        QCOMPARE(source.snapshot().size(), 46 + 20000);
        roundTrip(source, "full.xls");
    }
};

QTEST_GUILESS_MAIN(ExchangeRoundTripTest)
#include "tst_exchangeroundtrip.moc"
