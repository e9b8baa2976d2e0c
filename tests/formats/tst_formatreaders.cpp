// SPDX-License-Identifier: MIT
#include <lcms2.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "tests/formats/FormatFixture.h"

using namespace colorcard;

// The files written are read by readers that share no code with the
// program: Python's csv module, Little CMS, a plain CGATS parser in Python
// and ArgyllCMS's cxf2ti3. Files those tools write import as they meant.
class FormatReadersTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString python = QStringLiteral(PYTHON3_EXECUTABLE);
    const FormatLibraries source = mixedLibraries(false);

    QString written(OpenFormat format, const QString& stem) {
        const QString path = dir.filePath(stem + "." + OpenFormats::suffix(format));
        const FormatError error = OpenFormats::write(path, format, source);
        if (error)
            qWarning() << error.message(Language::english());
        return path;
    }

    // Runs the Python helper; its standard output parsed as JSON.
    QJsonArray runPython(const QString& command, const QString& path) {
        QProcess process;
        process.start(python,
                      {QStringLiteral(FORMATS_TEST_DIR "/format_readers.py"), command, path});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            qWarning() << process.readAllStandardError();
            return QJsonArray();
        }
        return QJsonDocument::fromJson(process.readAllStandardOutput()).array();
    }

    void needPython() {
        if (python.isEmpty() || !QFileInfo(python).isExecutable())
            QSKIP("python3 is not installed (tools/deps.sh installs it)");
    }

    // The colours of all libraries in file order: name and L*, a*, b* texts.
    QList<QStringList> expectedLab() const {
        QList<QStringList> rows;
        for (const FormatLibrary& library : source)
            for (const FormatColor& color : library.colors)
                rows << (QStringList{color.name} + color.values.mid(0, 3));
        return rows;
    }

    static QString twoDecimals(const QString& number) {
        return QString::number(number.toDouble(), 'f', 2);
    }

    // Name and L*a*b* of every row of CGATS tables as JSON from the Python parser.
    static QList<QStringList> cgatsLab(const QJsonArray& tables, const QString& nameField) {
        QList<QStringList> rows;
        for (const QJsonValue& table : tables) {
            QStringList fields;
            for (const QJsonValue& field : table.toObject()["fields"].toArray())
                fields << field.toString();
            const int name = fields.indexOf(nameField), L = fields.indexOf("LAB_L"),
                      a = fields.indexOf("LAB_A"), b = fields.indexOf("LAB_B");
            for (const QJsonValue& row : table.toObject()["rows"].toArray()) {
                const QJsonArray cells = row.toArray();
                rows << QStringList{cells[name].toString(), twoDecimals(cells[L].toString()),
                                    twoDecimals(cells[a].toString()),
                                    twoDecimals(cells[b].toString())};
            }
        }
        return rows;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void csvReadByPython() {
        needPython();
        const QJsonArray rows = runPython("csv", written(OpenFormat::Csv, "python"));
        QCOMPARE(rows.size(), 1 + expectedLab().size());
        QStringList header;
        for (const QJsonValue& cell : rows[0].toArray())
            header << cell.toString();
        QCOMPARE(header, QString("Library,Description,Name,LabL,Laba,Labb,LuvL,Luvu,Luvv,LChL,"
                                 "LChC,LChh,YxyY,Yxyx,Yxyy,CMYKC,CMYKM,CMYKY,CMYKK,RGBR,RGBG,RGBB")
                             .split(','));
        int r = 1;
        for (const FormatLibrary& library : source)
            for (const FormatColor& color : library.colors) {
                QStringList cells;
                for (const QJsonValue& cell : rows[r++].toArray())
                    cells << cell.toString();
                QCOMPARE(cells, (QStringList{library.name, library.description, color.name} +
                                 color.values));
            }
    }

    // Cells a spreadsheet would run as formulas reach Python's csv module
    // with a leading apostrophe; the import takes it off again, exactly.
    void formulaCellsGuarded() {
        needPython();
        FormatLibraries libraries(1);
        libraries[0].name = "=cmd|'/c'!A1";
        libraries[0].description = "@SUM(1)";
        const QStringList names{"=HYPERLINK(\"x\")",
                                "+1x",
                                "-x",
                                "'=x",
                                "'plain",
                                "-12.5",
                                "a=b",
                                "-7",
                                "-3-4",
                                "12",
                                "-1e5"};
        const QStringList cells{"'=HYPERLINK(\"x\")",
                                "'+1x",
                                "'-x",
                                "''=x",
                                "'plain",
                                "-12.5",
                                "a=b",
                                "-7",
                                "'-3-4",
                                "12",
                                "-1e5"};
        for (int i = 0; i < names.size(); ++i)
            libraries[0].colors << storedColor(names[i], i + 1);
        const QString path = dir.filePath("formulas.csv");
        QVERIFY(!OpenFormats::write(path, OpenFormat::Csv, libraries));

        const QJsonArray rows = runPython("csv", path);
        QCOMPARE(rows.size(), 1 + names.size());
        for (int i = 0; i < names.size(); ++i) {
            const QJsonArray row = rows[i + 1].toArray();
            QCOMPARE(row[0].toString(), QString("'=cmd|'/c'!A1"));
            QCOMPARE(row[1].toString(), QString("'@SUM(1)"));
            QCOMPARE(row[2].toString(), cells[i]);
        }
        FormatLibraries imported;
        QVERIFY(!OpenFormats::import(path, OpenFormat::Csv, ImportLimits(), imported));
        QVERIFY(sameLibraries(imported, libraries, allColumns()));
    }

    void cgatsReadByLittleCms() {
        const QByteArray path = written(OpenFormat::Cgats, "lcms").toLocal8Bit();
        cmsHANDLE it8 = cmsIT8LoadFromFile(nullptr, path.constData());
        QVERIFY(it8);
        QCOMPARE(int(cmsIT8TableCount(it8)), source.size());
        for (int t = 0; t < source.size(); ++t) {
            QVERIFY(cmsIT8SetTable(it8, cmsUInt32Number(t)) >= 0);
            const FormatLibrary& library = source[t];
            QCOMPARE(QString::fromUtf8(cmsIT8GetProperty(it8, "LIBRARY_NAME")), library.name);
            QCOMPARE(QString::fromUtf8(cmsIT8GetProperty(it8, "ORIGINATOR")), QString("ColorCard"));
            QVERIFY(cmsIT8GetProperty(it8, "CREATED"));
            QVERIFY(cmsIT8GetProperty(it8, "DESCRIPTOR"));
            QCOMPARE(int(cmsIT8GetPropertyDbl(it8, "NUMBER_OF_SETS")), library.colors.size());
            for (int row = 0; row < library.colors.size(); ++row) {
                const FormatColor& color = library.colors[row];
                const QByteArray id = QByteArray::number(row + 1);
                QCOMPARE(QString::fromUtf8(cmsIT8GetData(it8, id, "SAMPLE_NAME")), color.name);
                const char* fields[] = {"LAB_L", "LAB_A", "LAB_B"};
                for (int v = 0; v < 3; ++v)
                    QCOMPARE(QString::number(cmsIT8GetDataDbl(it8, id, fields[v]), 'f', 2),
                             color.values[v]);
                // Libraries holding every value carry LCh, Yxy, CMYK and RGB as well.
                if (t < 2)
                    QCOMPARE(QString::number(cmsIT8GetDataDbl(it8, id, "RGB_G")),
                             color.values[ColorColumns::RgbG]);
            }
        }
        cmsIT8Free(it8);
    }

    void cgatsReadByPython() {
        needPython();
        const QJsonArray tables = runPython("cgats", written(OpenFormat::Cgats, "plain"));
        QCOMPARE(tables.size(), source.size());
        QCOMPARE(cgatsLab(tables, "SAMPLE_NAME"), expectedLab());
        for (int t = 0; t < source.size(); ++t) {
            const QJsonObject properties = tables[t].toObject()["properties"].toObject();
            QCOMPARE(properties["LIBRARY_NAME"].toString(), source[t].name);
            QCOMPARE(properties["LIBRARY_DESCRIPTION"].toString(), source[t].description);
        }
        // The names outside the standard's list are declared before their first use.
        const QJsonArray declared =
            tables[0].toObject()["properties"].toObject()["KEYWORD"].toArray();
        for (const char* name : {"LIBRARY_NAME", "LIBRARY_DESCRIPTION", "LUV_L", "LUV_U", "LUV_V"})
            QVERIFY2(declared.contains(name), name);
        const QStringList fields = [&] {
            QStringList list;
            for (const QJsonValue& field : tables[0].toObject()["fields"].toArray())
                list << field.toString();
            return list;
        }();
        QCOMPARE(fields, QString("SAMPLE_ID SAMPLE_NAME LAB_L LAB_A LAB_B LAB_C LAB_H XYY_CAPY "
                                 "XYY_X XYY_Y CMYK_C CMYK_M CMYK_Y CMYK_K RGB_R RGB_G RGB_B "
                                 "LUV_L LUV_U LUV_V")
                             .split(' '));
    }

    // cxf2ti3 turns the CxF3 file into CGATS (.cie for colorimetric values),
    // which the program then imports like any other CGATS file.
    void cxfReadByArgyll() {
        const QString cxf2ti3 = QStandardPaths::findExecutable("cxf2ti3");
        if (cxf2ti3.isEmpty())
            QSKIP("cxf2ti3 is not installed (Debian package argyll, see tools/deps.sh)");
        FormatWriteOptions options;
        options.observer = "2_Degree";
        const QString path = dir.filePath("argyll.cxf");
        QVERIFY(!OpenFormats::write(path, OpenFormat::Cxf, source, options));
        QProcess process;
        process.start(cxf2ti3, {path, dir.filePath("argyll")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QString cie = dir.filePath("argyll.cie");
        QVERIFY(QFileInfo::exists(cie));

        FormatLibraries back;
        const FormatError error = OpenFormats::read(cie, OpenFormat::Cgats, back);
        QVERIFY2(!error, qPrintable(error.message(Language::english())));
        QCOMPARE(back.size(), 1);  // the libraries are the program's own resources
        QList<QStringList> rows;
        for (const FormatColor& color : back[0].colors)
            rows << (QStringList{color.name} + color.values.mid(0, 3));
        for (QStringList& row : rows)
            for (int v = 1; v < 4; ++v)
                row[v] = twoDecimals(row[v]);
        // Argyll puts the object names into SAMPLE_LOC, without trailing spaces.
        QList<QStringList> expected = expectedLab();
        for (QStringList& row : expected)
            while (row[0].endsWith(' '))
                row[0].chop(1);
        QCOMPARE(rows, expected);
        needPython();
        QCOMPARE(cgatsLab(runPython("cgats", cie), "SAMPLE_LOC"), expected);
    }

    void csvWrittenByPythonImports() {
        needPython();
        const QString path = dir.filePath("from python.csv");
        QVERIFY(runPython("writecsv", path).isEmpty());
        FormatLibraries libraries;
        const FormatError error =
            OpenFormats::import(path, OpenFormat::Csv, ImportLimits(), libraries);
        QVERIFY2(!error, qPrintable(error.message(Language::english())));
        QCOMPARE(libraries.size(), 2);
        QCOMPARE(libraries[0].name, QStringLiteral("Python 库"));
        QCOMPARE(libraries[0].colors[0].name, QStringLiteral("橙色, 亮"));
        QCOMPARE(libraries[0].colors[0].values.mid(0, 3), (QStringList{"62.50", "35.00", "60.25"}));
        QCOMPARE(libraries[0].colors[1].name, QStringLiteral("say \"hi\""));
        QCOMPARE(libraries[1].colors[0].name, QStringLiteral("semi;colon"));
    }

    void cgatsWrittenByLittleCmsImports() {
        cmsHANDLE it8 = cmsIT8Alloc(nullptr);
        cmsIT8SetSheetType(it8, "CGATS.17");
        cmsIT8SetPropertyStr(it8, "DESCRIPTOR", "another tool's patches");
        cmsIT8SetPropertyDbl(it8, "NUMBER_OF_FIELDS", 5);
        cmsIT8SetPropertyDbl(it8, "NUMBER_OF_SETS", 2);
        const char* fields[] = {"SAMPLE_ID", "LAB_B", "LAB_A", "LAB_L", "XYY_CAPY"};
        for (int f = 0; f < 5; ++f)
            cmsIT8SetDataFormat(it8, f, fields[f]);
        cmsIT8SetDataRowCol(it8, 0, 0, "A1");
        cmsIT8SetDataRowCol(it8, 1, 0, "A2");
        cmsIT8SetData(it8, "A1", "LAB_L", "40.25");
        cmsIT8SetDataDbl(it8, "A1", "LAB_A", -20.5);
        cmsIT8SetDataDbl(it8, "A1", "LAB_B", 7);
        cmsIT8SetDataDbl(it8, "A1", "XYY_CAPY", 11.5);
        cmsIT8SetData(it8, "A2", "LAB_L", "90");
        cmsIT8SetData(it8, "A2", "LAB_A", "0");
        cmsIT8SetData(it8, "A2", "LAB_B", "-1.5");
        cmsIT8SetDataDbl(it8, "A2", "XYY_CAPY", 76.3);
        const QString path = dir.filePath("patches.it8");
        QVERIFY(cmsIT8SaveToFile(it8, path.toLocal8Bit().constData()));
        cmsIT8Free(it8);

        FormatLibraries libraries;
        const FormatError error =
            OpenFormats::import(path, OpenFormats::forFile(path), ImportLimits(), libraries);
        QVERIFY2(!error, qPrintable(error.message(Language::english())));
        QCOMPARE(libraries.size(), 1);
        QCOMPARE(libraries[0].name, QStringLiteral("patches"));
        QCOMPARE(libraries[0].colors.size(), 2);
        QCOMPARE(libraries[0].colors[0].name, QStringLiteral("A1"));
        QCOMPARE(libraries[0].colors[0].values.mid(0, 3), (QStringList{"40.25", "-20.50", "7.00"}));
        QCOMPARE(libraries[0].colors[0].values[ColorColumns::YxyY], QStringLiteral("11.50"));
        QCOMPARE(libraries[0].colors[1].values.mid(0, 3), (QStringList{"90.00", "0.00", "-1.50"}));
    }
};

QTEST_GUILESS_MAIN(FormatReadersTest)
#include "tst_formatreaders.moc"
