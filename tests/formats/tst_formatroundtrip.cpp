// SPDX-License-Identifier: MIT
#include <cmath>
#include <random>

#include "tests/formats/FormatFixture.h"

using namespace colorcard;

// Libraries written in each open format and imported again come back with
// every name and value; the store's libraries survive the way through a file.
class FormatRoundTripTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    FormatLibraries throughFile(const FormatLibraries& source, OpenFormat format,
                                const QString& stem, FormatWriteOptions options = {}) {
        const QString path = dir.filePath(stem + "." + OpenFormats::suffix(format));
        const FormatError written = OpenFormats::write(path, format, source, options);
        if (written)
            qWarning() << written.message(Language::english());
        FormatLibraries back;
        const FormatError read = OpenFormats::import(path, format, ImportLimits(), back);
        if (read)
            qWarning() << read.message(Language::english());
        return back;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void formats_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("byteOrderMark");
        QTest::newRow("csv") << int(OpenFormat::Csv) << false;
        QTest::newRow("csv with byte-order mark") << int(OpenFormat::Csv) << true;
        QTest::newRow("cgats") << int(OpenFormat::Cgats) << false;
        QTest::newRow("cxf") << int(OpenFormat::Cxf) << false;
    }

    void mixedNamesAndValues_data() { formats_data(); }
    void mixedNamesAndValues() {
        QFETCH(int, format);
        QFETCH(bool, byteOrderMark);
        const OpenFormat f = OpenFormat(format);
        // CGATS texts cannot hold a double quote; the others can.
        const FormatLibraries source = mixedLibraries(f != OpenFormat::Cgats);
        FormatWriteOptions options;
        options.byteOrderMark = byteOrderMark;
        const FormatLibraries back = throughFile(source, f, "mixed", options);
        const FormatLibraries expected = prepared(source);
        QVERIFY(sameLibraries(back, expected, carriedColumns(f)));
        // What the file does not carry is derived from L*a*b* again.
        QVERIFY(sameLibraries(back, prepared(back), allColumns()));
    }

    void fullSize_data() { formats_data(); }
    void fullSize() {
        QFETCH(int, format);
        const FormatLibraries source = fullLibraries();
        const FormatLibraries back = throughFile(source, OpenFormat(format), "full");
        QCOMPARE(back.size(), 46);
        QVERIFY(sameLibraries(back, source, allColumns()));
    }

    // Store, file, a fresh store: the names and values stored are the ones read.
    void storeToStore_data() { formats_data(); }
    void storeToStore() {
        QFETCH(int, format);
        const OpenFormat f = OpenFormat(format);
        QTemporaryDir first, second;
        FormatLibraries back;
        FormatLibraries stored;
        {
            ColorCardStore store(first.path());
            QVERIFY(store.openDatabase());
            fillStore(store, mixedLibraries(f != OpenFormat::Cgats));
            stored = ColorLibraryStore::read(store);
            back = throughFile(stored, f, "store");
        }
        ColorCardStore fresh(second.path());
        QVERIFY(fresh.openDatabase());
        fillStore(fresh, back);
        QVERIFY(sameLibraries(ColorLibraryStore::read(fresh), prepared(stored), carriedColumns(f)));
    }

    // Values are written digit by digit; every one must read as the
    // toolkit's exact rounding writes it: ties, near ties, signs, both ends.
    void valuesAsTheToolkitWritesThem() {
        std::mt19937_64 random(23);
        std::uniform_real_distribution<double> wide(-700, 70000);
        for (int column = 0; column < ColorColumns::ValueCount; ++column) {
            const int decimals = ColorColumns::rule(column).decimals;
            QVector<double> values{0.0, -0.0, 1e12, -1e12, 65535, 6.5535, -327.68, 1e-9, -1e-9};
            for (int n = 0; n < 4000; ++n) {
                const double tie = (std::floor(wide(random)) + 0.5) / std::pow(10.0, decimals);
                values << wide(random) / std::pow(10.0, n % 5) << tie << std::nextafter(tie, 1e300)
                       << std::nextafter(tie, -1e300) << tie + 1e-7 / std::pow(10.0, decimals);
            }
            for (const double value : values) {
                QString expected = QString::number(value, 'f', decimals);
                if (expected.startsWith('-') && expected.mid(1).toDouble() == 0.0)
                    expected.remove(0, 1);
                const QString written = ColorColumns::format(column, value);
                if (written != expected)
                    QFAIL(qPrintable(QStringLiteral("column %1, %2: %3, not %4")
                                         .arg(column)
                                         .arg(value, 0, 'g', 17)
                                         .arg(written, expected)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(FormatRoundTripTest)
#include "tst_formatroundtrip.moc"
