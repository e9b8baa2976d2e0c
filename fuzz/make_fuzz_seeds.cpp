// SPDX-License-Identifier: MIT
// Writes the seed corpus of the fuzz targets:
//   xls_read/         the template workbooks and workbooks saved by the program
//   workbook_import/  workbooks saved by the program for meter 2301
//   meter_replies/    replies of the simulated meter to every request, recorded
//                     at the link, as MeterScript inputs
//   open_formats/     CSV, CGATS and CxF3 files written by the program, each
//                     after the byte that picks its format
//
//   make_fuzz_seeds <template directory> <corpus directory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTextStream>

#include "checksum/Crc16.h"
#include "formats/OpenFormats.h"
#include "fuzz/FuzzWorkspace.h"
#include "fuzz/MeterScript.h"
#include "link/CLinkerUSB.h"
#include "protocol/FrameLayer.h"
#include "protocol/IdentityMessages.h"
#include "protocol/MeasureMessages.h"
#include "protocol/StdCardMessages.h"
#include "sim/SimHidBackend.h"
#include "workflow/SpreadsheetSave.h"

using namespace colorcard;

namespace {

using namespace MeterScript;

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The nineteen values of a measurement, with its name first.
QStringList colour(const QString& name, int seed) {
    QStringList row{name};
    for (int v = 0; v < 19; ++v)
        row << QString::number(((seed * 37 + v * 11) % 20000 - 5000) / 100.0, 'f', 2);
    row[1] = QString::number((seed * 13 % 10000) / 100.0, 'f', 2);
    return row;
}

// Saves the libraries through the program's own save; the workbook's bytes.
QByteArray saved(const QString& templates, int maxLibraries,
                 const QList<QPair<QStringList, int>>& libraries) {
    FuzzWorkspace w(QDir::tempPath() + QStringLiteral("/colorcard-seeds-XXXXXX"));
    w.library.setMaxLibraries(maxLibraries);
    QList<QPair<QStringList, QList<QStringList>>> content;
    int seed = 1;
    for (const auto& library : libraries) {
        QList<QStringList> colours;
        for (int i = 0; i < library.second; ++i)
            colours << colour(QStringLiteral("%1-%2").arg(library.first[0]).arg(i + 1), seed++);
        content.append({library.first, colours});
    }
    if (!w.addLibraries(content))
        return QByteArray();
    const QString path = w.dir.filePath(QStringLiteral("saved.xls"));
    w.prompt.fileNames.enqueue(path);
    for (int i = 0; i < 64; ++i)
        w.prompt.answers.enqueue(true);
    if (!SpreadsheetSave(w.library, templates).saveToSpreadsheet())
        return QByteArray();
    return readFile(path);
}

// Between the frame layer and the simulated meter: keeps every reply read.
class RecordingLink : public CLinker {
public:
    explicit RecordingLink(CLinker& inner) : inner_(inner) {}
    QList<Reply> recorded;

    void close() override { inner_.close(); }
    int read(QByteArray& buffer, int timeoutMs, int expectedLength) override {
        const int before = buffer.size();
        const int result = inner_.read(buffer, timeoutMs, expectedLength);
        const QByteArray added = buffer.mid(before);
        if (timeoutMs > 0 || !added.isEmpty())
            recorded << Reply{quint8(timeoutMs > 0 ? 0 : Stale), added};
        return result;
    }
    int write(const QByteArray& data, int timeoutMs) override {
        return inner_.write(data, timeoutMs);
    }
    bool isOpen() const override { return inner_.isOpen(); }
    bool isDisconnected() override { return inner_.isDisconnected(); }

private:
    CLinker& inner_;
};

struct Recorder {
    SimHidBackend backend;
    CLinkerUSB usb{backend};
    RecordingLink link{usb};
    FrameLayer frames{[this] { return static_cast<CLinker*>(&link); }};
    StdCardMessages cards{frames};
    IdentityMessages identity{frames};
    MeasureMessages measure{frames};

    Recorder() {
        backend.meter().loadLibraries(SimMeter::sampleLibraries());
        backend.meter().setMeasurement(SimMeter::measurementFromRgb(200, 40, 60));
        usb.open(SimHidBackend::kVendorId, SimHidBackend::kProductId);
    }
    // The replies of what call did, after the script's operation and arguments.
    QList<Reply> record(const std::function<void()>& call) {
        link.recorded.clear();
        call();
        return link.recorded;
    }
};

QMap<QString, QByteArray> replySeeds() {
    Recorder r;
    QMap<QString, QByteArray> seeds;
    int total = 0;
    QString name, description;
    int count = 0;
    QByteArray data;
    KeyInformation key;
    ProductionInformation production;
    QVector<int> values;

    seeds["total"] =
        Writer().u8(ReadTotal).replies(r.record([&] { r.cards.readStdCardTotal(total); })).bytes;
    seeds["info"] =
        Writer()
            .u8(ReadInfo)
            .u16(StdCardMessages::infoAddress(0))
            .replies(r.record([&] {
                r.cards.readStdCardInfo(StdCardMessages::infoAddress(0), name, description, count);
            }))
            .bytes;
    seeds["data"] = Writer()
                        .u8(ReadData)
                        .u32(StdCardMessages::DataBaseAddress)
                        .u16(256)
                        .replies(r.record([&] {
                            r.cards.readStdCardData(StdCardMessages::DataBaseAddress, 256, data);
                        }))
                        .bytes;
    seeds["key"] = Writer()
                       .u8(ReadKeyInformation)
                       .replies(r.record([&] { r.identity.readKeyInformation(key); }))
                       .bytes;
    seeds["production"] =
        Writer()
            .u8(ReadProductionInformation)
            .replies(r.record([&] { r.identity.readProductionInformation(production); }))
            .bytes;
    seeds["measure"] = Writer()
                           .u8(ReadMeasureData)
                           .replies(r.record([&] { r.measure.readMeasureData(values); }))
                           .bytes;
    seeds["write-total"] =
        Writer()
            .u8(WriteTotal)
            .u16(3)
            .replies(r.record(
                [&] { r.cards.writeStdCardTotal(3, crc16(QByteArray("\x03\x00", 2), 2)); }))
            .bytes;
    seeds["write-empty-packet"] =
        Writer()
            .u8(WriteData)
            .u32(StdCardMessages::DataBaseAddress)
            .u16(0)
            .replies(r.record([&] {
                r.cards.writeStdCardData(StdCardMessages::DataBaseAddress, QByteArray(), 0);
            }))
            .bytes;

    // A whole export: the total, every information record, the colour stream
    // read in packages, then decoded.
    Writer exportScript;
    exportScript.u8(ReadTotal).replies(r.record([&] { r.cards.readStdCardTotal(total); }));
    int colours = 0;
    QList<Reply> names;
    for (int i = 0; i < total; ++i) {
        const QList<Reply> replies = r.record([&] {
            r.cards.readStdCardInfo(StdCardMessages::infoAddress(i), name, description, count);
        });
        exportScript.u8(ReadInfo).u16(StdCardMessages::infoAddress(i)).replies(replies);
        colours += count;
        names << Reply{0, name.toUtf8()} << Reply{0, description.toUtf8()};
    }
    const int streamSize = colours * (StdCardMessages::ColorNameWidth + 6);
    QList<Reply> stream;
    for (int at = 0; at < streamSize; at += 256) {
        const int length = qMin(256, streamSize - at);
        exportScript.u8(ReadData)
            .u32(StdCardMessages::DataBaseAddress + at)
            .u16(length)
            .replies(r.record([&] {
                r.cards.readStdCardData(StdCardMessages::DataBaseAddress + at, length, data);
            }));
        stream << Reply{0, data};
    }
    exportScript.u8(DecodeStream).u16(colours).replies(stream);
    exportScript.u8(DecodeNames).replies(names);
    seeds["export"] = exportScript.bytes;
    return seeds;
}

// Libraries written in each open format by the program's own writer.
QMap<QString, QByteArray> openFormatSeeds() {
    FormatLibraries libraries(2);
    libraries[0].name = QStringLiteral("Primary");
    libraries[0].description = QStringLiteral("Basic");
    libraries[1].name = QStringLiteral("标准色卡");
    // Values as a measurement stores them, so that the seeds import.
    for (int i = 0; i < 4; ++i) {
        const QString name = i == 3 ? QStringLiteral("=x, y") : QStringLiteral("c-%1").arg(i + 1);
        libraries[i % 2].colors.append(
            {name, ImportCheck::derivedTexts(20.0 * i + 10, 30.0 - 25 * i, -40.0 + 15 * i)});
    }
    FormatWriteOptions options;
    options.created = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    QMap<QString, QByteArray> seeds;
    const OpenFormat formats[] = {OpenFormat::Csv, OpenFormat::Cgats, OpenFormat::Cxf};
    for (int f = 0; f < 3; ++f) {
        const QString path = QDir::temp().filePath(QStringLiteral("colorcard-seed.") +
                                                   OpenFormats::suffix(formats[f]));
        if (!OpenFormats::write(path, formats[f], libraries, options))
            seeds.insert(QStringLiteral("written-") + OpenFormats::suffix(formats[f]),
                         char(f) + readFile(path));
        QFile::remove(path);
    }
    return seeds;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: make_fuzz_seeds <template directory> <corpus directory>\n";
        return 2;
    }
    QLoggingCategory::setFilterRules(QStringLiteral("colorcard.*.debug=false"));
    const QString templates = QString::fromLocal8Bit(argv[1]);
    const QDir corpus(QString::fromLocal8Bit(argv[2]));
    for (const char* sub : {"xls_read", "workbook_import", "meter_replies", "open_formats"})
        corpus.mkpath(QLatin1String(sub));

    const QMap<QString, QByteArray> workbooks = {
        {"template-9", readFile(templates + QStringLiteral("/ColorCard_1.xls"))},
        {"template-46", readFile(templates + QStringLiteral("/ColorCard_2.xls"))},
        {"saved-one", saved(templates, 9, {{{"Primary", "Basic"}, 3}})},
        {"saved-three", saved(templates, 9,
                              {{{QStringLiteral("标准色卡"), QStringLiteral("准色")}, 4},
                               {{"Empty", ""}, 0},
                               {{"a:b", "c"}, 2}})},
    };
    bool ok = true;
    for (auto it = workbooks.cbegin(); it != workbooks.cend(); ++it) {
        if (it.value().isEmpty()) {
            err << "could not make " << it.key() << "\n";
            ok = false;
            continue;
        }
        const QString file = it.key() + QStringLiteral(".xls");
        ok &= writeFile(corpus.filePath(QStringLiteral("xls_read/") + file), it.value());
        if (it.key().startsWith(QLatin1String("saved")))
            ok &= writeFile(corpus.filePath(QStringLiteral("workbook_import/") + file), it.value());
    }
    const QMap<QString, QByteArray> replies = replySeeds();
    for (auto it = replies.cbegin(); it != replies.cend(); ++it)
        ok &= writeFile(corpus.filePath(QStringLiteral("meter_replies/") + it.key()), it.value());
    const QMap<QString, QByteArray> formats = openFormatSeeds();
    ok &= formats.size() == 3;
    for (auto it = formats.cbegin(); it != formats.cend(); ++it)
        ok &= writeFile(corpus.filePath(QStringLiteral("open_formats/") + it.key()), it.value());
    return ok ? 0 : 1;
}
