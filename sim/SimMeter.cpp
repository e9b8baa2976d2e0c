// SPDX-License-Identifier: MIT
#include "sim/SimMeter.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

#include "checksum/Crc16.h"

namespace colorcard {

namespace {

constexpr quint8 kStartByte = 0xAB;
constexpr quint8 kReportId = 0x3F;
constexpr int kReportLength = 64;
constexpr int kMaxPayload = 62;
constexpr int kMaxWriteData = 4096;
constexpr int kNameField = 16;
constexpr int kColourNameField = 20;
constexpr int kColourBytes = 26;
constexpr int kSectorSize = 4096;
constexpr quint32 kForeignOffset = 0x80000;  // where the meter keeps nothing

quint16 le16(const QByteArray& bytes, int at) {
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

quint32 le32(const QByteArray& bytes, int at) {
    return quint32(le16(bytes, at)) | (quint32(le16(bytes, at + 2)) << 16);
}

void put16(QByteArray& bytes, int value) {
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& bytes, quint32 value) {
    put16(bytes, int(value & 0xFFFF));
    put16(bytes, int(value >> 16));
}

void appendCrc(QByteArray& bytes) {
    put16(bytes, crc16(bytes, bytes.size()));
}

// UTF-8 text in a zero-padded field; a character that does not fit whole is left out.
QByteArray textField(const QString& text, int width) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > width) {
        int cut = width;
        while (cut > 0 && (quint8(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
    }
    return bytes + QByteArray(width - bytes.size(), '\0');
}

QString fieldText(const QByteArray& field) {
    const int end = field.indexOf('\0');
    return QString::fromUtf8(end < 0 ? field : field.left(end));
}

QString hex(qint64 value) {
    return QStringLiteral("0x%1").arg(value, 0, 16);
}

}  // namespace

SimMeter::SimMeter() : memory_(int(kMemorySize), '\0') {
    setIdentity(identity_);
    loadLibraries({});
    measurement_ = measurementFromRgb(200, 40, 40);
}

void SimMeter::setIdentity(const SimIdentity& identity) {
    identity_ = identity;
    writeProductionBlock();
}

// Production information lives at address 0: 18 information bytes and their checksum.
void SimMeter::writeProductionBlock() {
    QByteArray block;
    block.append(char(1));  // type byte
    block.append(char(0));
    put16(block, identity_.year);
    block.append(char(identity_.month));
    block.append(char(identity_.day));
    put32(block, identity_.instrumentId);
    put32(block, identity_.meterNumber);
    put16(block, 0);
    block.append(char(0));
    block.append(char(0));
    appendCrc(block);
    setMemory(0, block);
}

SimMeasurement SimMeter::measurementFromRgb(int r, int g, int b) {
    r = qBound(0, r, 255);
    g = qBound(0, g, 255);
    b = qBound(0, b, 255);
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double rl = linear(r), gl = linear(g), bl = linear(b);
    const double X = 100.0 * (0.4124 * rl + 0.3576 * gl + 0.1805 * bl);
    const double Y = 100.0 * (0.2126 * rl + 0.7152 * gl + 0.0722 * bl);
    const double Z = 100.0 * (0.0193 * rl + 0.1192 * gl + 0.9505 * bl);
    const double Xn = 95.047, Yn = 100.0, Zn = 108.883;

    const auto f = [](double t) {
        constexpr double d = 6.0 / 29.0;
        return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29.0;
    };
    const double L = 116.0 * f(Y / Yn) - 16.0;
    const double a = 500.0 * (f(X / Xn) - f(Y / Yn));
    const double bb = 200.0 * (f(Y / Yn) - f(Z / Zn));

    const double denominator = X + 15.0 * Y + 3.0 * Z;
    const double whiteDenominator = Xn + 15.0 * Yn + 3.0 * Zn;
    const double un = 4.0 * Xn / whiteDenominator, vn = 9.0 * Yn / whiteDenominator;
    const double up = denominator > 0 ? 4.0 * X / denominator : un;
    const double vp = denominator > 0 ? 9.0 * Y / denominator : vn;
    const double u = 13.0 * L * (up - un), v = 13.0 * L * (vp - vn);

    const double C = std::hypot(a, bb);
    double h = qRadiansToDegrees(std::atan2(bb, a));
    if (h < 0)
        h += 360.0;

    const double sum = X + Y + Z;
    const double x = sum > 0 ? X / sum : 0.3127, y = sum > 0 ? Y / sum : 0.3290;

    const double rp = r / 255.0, gp = g / 255.0, bp = b / 255.0;
    const double K = 1.0 - std::max({rp, gp, bp});
    const auto ink = [K](double c) { return K >= 1.0 ? 0.0 : (1.0 - c - K) / (1.0 - K); };

    const auto round = [](double value) { return int(std::lround(value)); };
    return {round(L * 100),
            round(a * 100),
            round(bb * 100),
            round(L * 100),
            round(u * 100),
            round(v * 100),
            round(L * 100),
            round(C * 100),
            round(h * 10) % 3600,
            round(Y * 100),
            round(x * 10000),
            round(y * 10000),
            round(ink(rp) * 100),
            round(ink(gp) * 100),
            round(ink(bp) * 100),
            round(K * 100),
            r,
            g,
            b};
}

void SimMeter::loadLibraries(const QVector<SimLibrary>& libraries) {
    const int count = std::min<int>(libraries.size(), kMaxLibraries);
    memory_.replace(int(kInfoAddress), int(kTotalAddress + 4 - kInfoAddress),
                    QByteArray(int(kTotalAddress + 4 - kInfoAddress), '\0'));
    memory_.replace(int(kStreamAddress), int(kMemorySize - kStreamAddress),
                    QByteArray(int(kMemorySize - kStreamAddress), '\0'));

    QByteArray total;
    put16(total, count);
    put16(total, crc16(total, 2));
    setMemory(kTotalAddress, total);

    const int room = int(kMemorySize - kStreamAddress) / kColourBytes;
    QByteArray names, values;
    int colours = 0;
    for (int i = 0; i < count; ++i) {
        const SimLibrary& library = libraries[i];
        QByteArray libraryValues;
        int stored = 0;
        for (const SimColour& colour : library.colours) {
            if (colours == room)
                break;
            names += textField(colour.name, kColourNameField);
            put16(libraryValues, colour.L);
            put16(libraryValues, colour.a);
            put16(libraryValues, colour.b);
            ++colours;
            ++stored;
        }
        values += libraryValues;
        QByteArray record =
            textField(library.name, kNameField) + textField(library.description, kNameField);
        put16(record, stored);
        put16(record, crc16(libraryValues, libraryValues.size()));
        put16(record, crc16(record, 36));
        setMemory(kInfoAddress + quint32(kInfoSlot * i), record);
    }
    setMemory(kStreamAddress, names + values);
}

QVector<SimLibrary> SimMeter::sampleLibraries() {
    struct Sample {
        const char* name;
        int r, g, b;
    };
    const auto library = [](const char* name, const char* description,
                            std::initializer_list<Sample> samples) {
        SimLibrary result{QString::fromUtf8(name), QString::fromUtf8(description), {}};
        for (const Sample& sample : samples) {
            const SimMeasurement m = measurementFromRgb(sample.r, sample.g, sample.b);
            result.colours.append(
                {QString::fromUtf8(sample.name), qint16(m[0]), qint16(m[1]), qint16(m[2])});
        }
        return result;
    };
    return {
        library("Primary", "Basic colours",
                {{"Red", 220, 30, 40},
                 {"Green", 40, 160, 70},
                 {"Blue", 30, 70, 190},
                 {"Yellow", 245, 210, 30},
                 {"Cyan", 0, 170, 220},
                 {"Magenta", 200, 40, 150}}),
        library("Greys", "Neutral scale",
                {{"White", 245, 245, 242},
                 {"Light", 190, 190, 188},
                 {"Mid", 128, 128, 126},
                 {"Dark", 64, 64, 63},
                 {"Black", 20, 20, 22}}),
        library("Paints", "Wall paints",
                {{"Ivory", 240, 232, 205},
                 {"Sage", 160, 175, 140},
                 {"Terracotta", 190, 95, 70},
                 {"Navy", 35, 45, 85}}),
    };
}

int SimMeter::libraryTotal() const {
    return le16(totalRecord(), 0);
}

QByteArray SimMeter::totalRecord() const {
    return memory(kTotalAddress, 4);
}

QByteArray SimMeter::infoRecord(int index) const {
    return memory(kInfoAddress + quint32(kInfoSlot * index), kInfoSize);
}

QVector<SimLibrary> SimMeter::libraries() const {
    const int total = std::min(libraryTotal(), kMaxLibraries);
    QVector<int> counts;
    qint64 colours = 0;
    for (int i = 0; i < total; ++i) {
        counts.append(le16(infoRecord(i), 32));
        colours += counts.last();
    }
    colours = std::min<qint64>(colours, (kMemorySize - kStreamAddress) / kColourBytes);

    QVector<SimLibrary> result;
    qint64 index = 0;
    const quint32 valuesAddress = kStreamAddress + quint32(kColourNameField * colours);
    for (int i = 0; i < total; ++i) {
        const QByteArray record = infoRecord(i);
        SimLibrary library{
            fieldText(record.left(kNameField)), fieldText(record.mid(kNameField, kNameField)), {}};
        for (int k = 0; k < counts[i] && index < colours; ++k, ++index) {
            const QByteArray name =
                memory(kStreamAddress + quint32(kColourNameField * index), kColourNameField);
            const QByteArray lab = memory(valuesAddress + quint32(6 * index), 6);
            library.colours.append({fieldText(name), qint16(le16(lab, 0)), qint16(le16(lab, 2)),
                                    qint16(le16(lab, 4))});
        }
        result.append(library);
    }
    return result;
}

QByteArray SimMeter::memory(quint32 address, int length) const {
    QByteArray bytes(std::max(0, length), '\0');
    for (int i = 0; i < bytes.size(); ++i) {
        const quint64 at = quint64(address) + quint64(i);
        if (at < kMemorySize)
            bytes[i] = memory_[int(at)];
    }
    return bytes;
}

void SimMeter::setMemory(quint32 address, const QByteArray& bytes) {
    for (int i = 0; i < bytes.size(); ++i) {
        const quint64 at = quint64(address) + quint64(i);
        if (at < kMemorySize)
            memory_[int(at)] = bytes[i];
    }
}

void SimMeter::receiveReport(const QByteArray& report) {
    if (report.size() < 2 || quint8(report[0]) != kReportId)
        return;
    const int count = std::min<int>(quint8(report[1]), report.size() - 2);
    input_.append(report.constData() + 2, count);
    processInput();
}

QList<SimAnswer> SimMeter::takeAnswers() {
    QList<SimAnswer> answers;
    answers.swap(answers_);
    return answers;
}

SimTiming SimTiming::realistic() {
    SimTiming timing;
    timing.readMs = 3;
    timing.measureMs = 600;
    timing.recordWriteMs = 12;
    timing.packageWriteMs = 4;
    timing.sectorWriteMs = 40;
    timing.finishMs = 60;
    return timing;
}

int SimMeter::processingMs(const QByteArray& frame) const {
    switch (quint8(frame[1])) {
        case 0x20:
        case 0x40:
            return timing_.readMs;
        case 0x44:
            return timing_.measureMs;
        case 0x70:
            return timing_.recordWriteMs;
        case 0x74: {
            const qint64 address = le32(frame, 2);
            const int length = le16(frame, 6);
            if (length == 0)
                return timing_.finishMs;
            const bool newSector =
                (address + length - 1) / kSectorSize != (address - 1) / kSectorSize;
            return timing_.packageWriteMs + (newSector ? timing_.sectorWriteMs : 0);
        }
        default:
            return 0;
    }
}

bool SimMeter::takeUnplugRequest() {
    const bool requested = unplugRequested_;
    unplugRequested_ = false;
    return requested;
}

void SimMeter::powerCycle() {
    input_.clear();
    answers_.clear();
    transferErrors_.clear();
    streamNext_ = -1;
    unplugRequested_ = false;
}

// Length of the request at the start of the input: 0 while its header is
// incomplete, -1 when it is no request at all.
int SimMeter::frameLength() const {
    if (input_.size() < 2)
        return 0;
    switch (quint8(input_[1])) {
        case 0x20:
            return 8;
        case 0x44:
            return 10;
        case 0x40: {
            if (input_.size() < 8)
                return 0;
            // Production information goes out without a body CRC; a memory
            // read of the same area with one is told apart by the 00 00 after it.
            if (le32(input_, 2) == 0 && le16(input_, 6) == 20) {
                const bool withBodyCrc =
                    input_.size() >= 12 && input_[10] == '\0' && input_[11] == '\0';
                return withBodyCrc ? 12 : 10;
            }
            return 12;
        }
        case 0x70:
        case 0x74: {
            if (input_.size() < 8)
                return 0;
            const int length = le16(input_, 6);
            return length > kMaxWriteData ? -1 : 10 + length;
        }
        default:
            return -1;
    }
}

void SimMeter::processInput() {
    while (!input_.isEmpty()) {
        const int start = input_.indexOf(char(kStartByte));
        if (start < 0) {
            input_.clear();
            return;
        }
        input_.remove(0, start);
        const int length = frameLength();
        if (length < 0) {
            ++rejected_;
            noteTransferError(QStringLiteral("unknown request %1")
                                  .arg(quint8(input_[1]), 2, 16, QLatin1Char('0')));
            input_.remove(0, 1);
            continue;
        }
        if (length == 0 || input_.size() < length)
            return;
        const QByteArray frame = input_.left(length);
        input_.remove(0, length);
        answer_ = SimAnswer();
        handleFrame(frame);
        answers_.append(answer_);
        if (unplugRequested_) {
            input_.clear();
            return;
        }
    }
}

void SimMeter::handleFrame(const QByteArray& frame) {
    const quint8 function = quint8(frame[1]);
    const bool dataPackage = function == 0x74 && le16(frame, 6) > 0;
    if (dataPackage && faults_.loseNextDataPackage) {
        faults_.loseNextDataPackage = false;
        return;
    }
    received_.append(frame);
    answer_.processingMs = processingMs(frame);
    if (faults_.unplugAfterRequests > 0 && --faults_.unplugAfterRequests == 0) {
        unplugRequested_ = true;
        return;
    }
    if (dataPackage && faults_.unplugAfterDataPackages > 0 &&
        --faults_.unplugAfterDataPackages == 0) {
        unplugRequested_ = true;
        return;
    }
    // Memory reads carry the CRC of their header before the frame CRC.
    const bool bodyCrcWrong =
        function == 0x40 && frame.size() == 12 && le16(frame, 8) != crc16(frame, 8);
    if (bodyCrcWrong || le16(frame, frame.size() - 2) != crc16(frame, frame.size() - 2)) {
        ++rejected_;
        noteTransferError(QStringLiteral("frame CRC of request %1 wrong")
                              .arg(QString::fromLatin1(frame.left(8).toHex(' '))));
        return;
    }
    switch (function) {
        case 0x20:
            answerKeyInformation(frame);
            break;
        case 0x44:
            answerMeasureData();
            break;
        case 0x40:
            answerRead(frame);
            break;
        case 0x70:
            writeRecord(frame);
            break;
        case 0x74:
            writeData(frame);
            break;
        default:
            break;
    }
}

void SimMeter::answerKeyInformation(const QByteArray& frame) {
    if (faults_.olderIdentityOnly || le16(frame, 2) != 5 || le16(frame, 4) != 18) {
        sendErrorReply(0xA0, 0x04, 6);
        return;
    }
    QByteArray reply = frame.left(6);
    reply.append(char(0xA5));
    reply.append(char(0));
    put16(reply, identity_.year);
    reply.append(char(identity_.month));
    reply.append(char(identity_.day));
    put32(reply, identity_.instrumentId);
    put32(reply, identity_.meterNumber);
    put16(reply, 0);
    put16(reply, identity_.firmwareVersion);
    sendReply(reply);
}

void SimMeter::answerMeasureData() {
    QByteArray reply = QByteArray::fromHex("AB44000000003600");
    for (int i = 0; i < 12; ++i)
        put16(reply, measurement_[i]);
    for (int i = 12; i < 19; ++i)
        reply.append(char(measurement_[i] & 0xFF));
    reply.append(QByteArray(23, '\0'));
    sendReply(reply);
}

void SimMeter::answerRead(const QByteArray& frame) {
    const quint32 address = le32(frame, 2);
    const int length = le16(frame, 6);
    if (address == 0 && length == 20 && faults_.productionInfoUnsupported) {
        sendErrorReply(0xC7, 0x08, 8);
        return;
    }
    if (faults_.foreignReplyFirst) {
        faults_.foreignReplyFirst = false;
        QByteArray foreign = frame.left(2);
        put32(foreign, address + kForeignOffset);
        put16(foreign, length);
        sendReply(foreign + memory(address + kForeignOffset, length));
    }
    sendReply(frame.left(8) + memory(address, length));
}

void SimMeter::writeRecord(const QByteArray& frame) {
    const quint32 address = le32(frame, 2);
    const int length = le16(frame, 6);
    const QByteArray data = frame.mid(8, length);
    // A download begins with its total record.
    if (address == kTotalAddress) {
        transferErrors_.clear();
        streamNext_ = -1;
    }
    if (address < kInfoAddress || quint64(address) + quint64(length) > kStreamAddress) {
        noteTransferError(
            QStringLiteral("record write outside the record area at %1").arg(hex(address)));
    } else {
        setMemory(address, data);
    }

    if (address == kTotalAddress) {
        if (length != 4 || le16(data, 2) != crc16(data, 2))
            noteTransferError(QStringLiteral("count check code of the total record wrong"));
    } else if (address >= kInfoAddress && address < kTotalAddress) {
        const int index = int(address - kInfoAddress) / kInfoSlot;
        if ((address - kInfoAddress) % kInfoSlot != 0 || length != kInfoSize)
            noteTransferError(
                QStringLiteral("information record at %1 is no slot").arg(hex(address)));
        else if (le16(data, 36) != crc16(data, 36))
            noteTransferError(
                QStringLiteral("information check code of library %1 wrong").arg(index + 1));
    }
    sendReply(frame.left(8));
}

void SimMeter::writeData(const QByteArray& frame) {
    const quint32 address = le32(frame, 2);
    const int length = le16(frame, 6);
    if (length == 0) {
        finishTransfer(address);
        return;
    }
    const qint64 expected = streamNext_ < 0 ? qint64(kStreamAddress) : streamNext_;
    if (address != expected)
        noteTransferError(
            QStringLiteral("data package at %1, expected at %2").arg(hex(address), hex(expected)));
    if (address < kStreamAddress || quint64(address) + quint64(length) > kMemorySize)
        noteTransferError(
            QStringLiteral("data package at %1 outside the stream").arg(hex(address)));
    else
        setMemory(address, frame.mid(8, length));
    streamNext_ = qint64(address) + length;
}

// The empty packet: the whole download is checked and acknowledged, or refused with F4 01.
void SimMeter::finishTransfer(quint32 address) {
    QStringList errors = transferErrors_;
    const qint64 streamEnd = streamNext_ < 0 ? qint64(kStreamAddress) : streamNext_;
    if (address != streamEnd)
        errors << QStringLiteral("empty packet at %1, the stream ends at %2")
                      .arg(hex(address), hex(streamEnd));

    const QByteArray total = totalRecord();
    int libraries = le16(total, 0);
    if (le16(total, 2) != crc16(total, 2))
        errors << QStringLiteral("count check code of the total record wrong");
    if (libraries > kMaxLibraries) {
        errors << QStringLiteral("%1 libraries do not fit").arg(libraries);
        libraries = kMaxLibraries;
    }
    QVector<int> counts;
    QVector<quint16> dataChecks;
    qint64 colours = 0;
    for (int i = 0; i < libraries; ++i) {
        const QByteArray record = infoRecord(i);
        if (le16(record, 36) != crc16(record, 36))
            errors << QStringLiteral("information check code of library %1 wrong").arg(i + 1);
        counts.append(le16(record, 32));
        dataChecks.append(le16(record, 34));
        colours += counts.last();
    }

    const qint64 streamBytes = streamEnd - kStreamAddress;
    if (streamBytes != kColourBytes * colours) {
        errors << QStringLiteral("stream of %1 bytes, the records announce %2 colours")
                      .arg(streamBytes)
                      .arg(colours);
    } else {
        quint32 values = kStreamAddress + quint32(kColourNameField * colours);
        for (int i = 0; i < libraries; ++i) {
            const QByteArray lab = memory(values, 6 * counts[i]);
            if (crc16(lab, lab.size()) != dataChecks[i])
                errors << QStringLiteral("values of library %1 do not match its data check code")
                              .arg(i + 1);
            values += quint32(6 * counts[i]);
        }
    }

    lastTransferErrors_ = errors;
    transferErrors_.clear();
    streamNext_ = -1;
    if (errors.isEmpty()) {
        QByteArray reply = QByteArray::fromHex("AB74");
        put32(reply, address);
        put16(reply, 0);
        sendReply(reply);
    } else {
        sendErrorReply(0xF4, 0x01, 8);
    }
}

void SimMeter::sendErrorReply(quint8 function, quint8 code, int headerLength) {
    QByteArray reply(headerLength, '\0');
    reply[0] = char(kStartByte);
    reply[1] = char(function);
    reply[2] = char(code);
    sendReply(reply);
}

void SimMeter::sendReply(QByteArray frame) {
    if (faults_.silent)
        return;
    // Error replies (function with bit 7 set) never repeat the request.
    if (faults_.noEcho && !(quint8(frame[1]) & 0x80)) {
        const int headerLength = quint8(frame[1]) == 0x20 ? 6 : 8;
        for (int i = 2; i < std::min(headerLength, int(frame.size())); ++i)
            frame[i] = '\0';
    }
    if (faults_.wrongHeader) {
        for (int i = 1; i < std::min(8, int(frame.size())); ++i)
            frame[i] = char(0xEE);
    }
    appendCrc(frame);
    if (faults_.wrongCrc) {
        frame[frame.size() - 2] = char(frame[frame.size() - 2] ^ 0x5A);
        frame[frame.size() - 1] = char(frame[frame.size() - 1] ^ 0x5A);
    }
    const QByteArray bytes = faults_.staleBytes + faults_.staleBytesOnce + frame;
    faults_.staleBytesOnce.clear();
    const int chunk = qBound(1, faults_.replyChunk, kMaxPayload);
    QList<QByteArray> reports;
    for (int at = 0; at < bytes.size(); at += chunk) {
        const int count = std::min(chunk, int(bytes.size()) - at);
        QByteArray report(kReportLength, '\0');
        report[0] = char(kReportId);
        report[1] = char(count);
        report.replace(2, count, bytes.mid(at, count));
        reports.append(report);
    }
    // The copy is a transmission of its own, starting in a report of its own.
    answer_.reports += reports;
    if (faults_.doubleReplies)
        answer_.reports += reports;
    answer_.lateByMs = faults_.lateReplyMs;
}

}  // namespace colorcard
