// SPDX-License-Identifier: MIT
// Every reply parser of the meter protocol over a link that hands over the
// fuzz input's bytes, plus the decoding of names and of the colour stream.
// Besides crashes it stops on a broken promise of the parsers: out-parameters
// written on failure, data of another length than asked for, more colours
// than the total.

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "checksum/Crc16.h"
#include "fuzz/MeterScript.h"
#include "protocol/FrameLayer.h"
#include "protocol/FrameMeterDriver.h"
#include "protocol/IdentityMessages.h"
#include "protocol/MeasureMessages.h"
#include "protocol/MeterText.h"
#include "protocol/StdCardMessages.h"
#include "tests/support/ScriptedLinker.h"

using namespace colorcard;

namespace {

using namespace MeterScript;

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

void load(ScriptedLinker& link, const QList<Reply>& replies) {
    for (const Reply& reply : replies) {
        QByteArray bytes = reply.bytes;
        if (reply.flags & Sealed) {
            const quint16 crc = crc16(bytes, bytes.size());
            bytes.append(char(crc & 0xFF)).append(char(crc >> 8));
        }
        if (reply.flags & Stale)
            link.pending << bytes;
        else
            link.replies << bytes;
    }
}

void run(int operation, Reader& in, ScriptedLinker& link, FrameLayer& frames) {
    StdCardMessages cards(frames);
    IdentityMessages identity(frames);
    MeasureMessages measure(frames);
    switch (operation) {
        case ReadTotal: {
            load(link, in.replies());
            int total = -7;
            const MeterResult result = cards.readStdCardTotal(total);
            require(result == MeterResult::Ok ? total >= 0 && total <= 0xFFFF : total == -7,
                    "total");
            break;
        }
        case ReadInfo: {
            const int address = in.u16();
            load(link, in.replies());
            QString name = QStringLiteral("kept"), description;
            int count = -7;
            const MeterResult result = cards.readStdCardInfo(address, name, description, count);
            require(result == MeterResult::Ok
                        ? name.size() <= StdCardMessages::NameWidth && count >= 0
                        : name == QLatin1String("kept") && count == -7,
                    "info");
            break;
        }
        case ReadData: {
            const int address = int(in.u32());
            const int length = in.u16();
            load(link, in.replies());
            QByteArray data("kept");
            const MeterResult result = cards.readStdCardData(address, length, data);
            require(result == MeterResult::Ok ? data.size() == length : data == "kept", "data");
            break;
        }
        case WriteTotal: {
            const int total = in.u16();
            load(link, in.replies());
            const char word[] = {char(total & 0xFF), char(total >> 8)};
            cards.writeStdCardTotal(total, crc16(QByteArray(word, 2), 2));
            break;
        }
        case WriteInfo: {
            const int address = in.u16();
            const int count = in.u16();
            const int dataCheck = in.u16();
            const QString name = QString::fromUtf8(in.text());
            const QString description = QString::fromUtf8(in.text());
            load(link, in.replies());
            cards.writeStdCardInfo(
                address, name, description, count, dataCheck,
                StdCardMessages::infoRecordCheckCode(name, description, count, dataCheck));
            break;
        }
        case WriteData: {
            const int address = int(in.u32());
            const QByteArray data = in.bytes(in.u16());
            load(link, in.replies());
            cards.writeStdCardData(address, data, data.size());
            break;
        }
        case ReadKeyInformation: {
            load(link, in.replies());
            KeyInformation info;
            info.meterNumber = 77;
            if (identity.readKeyInformation(info) != MeterResult::Ok)
                require(info.meterNumber == 77, "key information");
            break;
        }
        case ReadProductionInformation: {
            load(link, in.replies());
            ProductionInformation info;
            info.meterNumber = 77;
            const MeterResult result = identity.readProductionInformation(info);
            if (result != MeterResult::Ok)
                require(info.meterNumber == 77, "production information");
            break;
        }
        case ReadMeasureData: {
            load(link, in.replies());
            QVector<int> values{7};
            const MeterResult result = measure.readMeasureData(values);
            require(result == MeterResult::Ok ? values.size() == MeasureMessages::ValueCount
                                              : values == QVector<int>{7},
                    "measure data");
            break;
        }
        case DecodeStream: {
            const int total = in.u16();
            QByteArray stream;
            for (const Reply& reply : in.replies())
                stream += reply.bytes;
            const QVector<MeterColour> colours = FrameMeterDriver::decodeStream(stream, total);
            require(colours.size() <= total, "stream colour count");
            break;
        }
        case DecodeNames:
            for (const Reply& reply : in.replies()) {
                StdCardMessages::decodeLibraryText(reply.bytes);
                StdCardMessages::decodeColorName(reply.bytes);
                decodeMeterLibraryText(reply.bytes);
            }
            break;
        default:
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Codecs and the event dispatcher's statics want an application object.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    ScriptedLinker link;
    FrameLayer frames([&link] { return static_cast<CLinker*>(&link); });
    Reader in(data, size);
    // A bounded number of calls keeps one input fast.
    for (int calls = 0; calls < 64 && !in.atEnd(); ++calls) {
        const int operation = in.u8() % OperationCount;
        run(operation, in, link, frames);
        link.replies.clear();
        link.pending.clear();
        link.clearRecords();
    }
    return 0;
}
