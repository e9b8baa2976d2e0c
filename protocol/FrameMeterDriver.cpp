// SPDX-License-Identifier: MIT
#include "protocol/FrameMeterDriver.h"

#include "protocol/FrameLayer.h"
#include "protocol/IdentityMessages.h"
#include "protocol/MeasureMessages.h"
#include "protocol/StdCardMessages.h"

namespace colorcard {

namespace {

constexpr int PackageSize = 256;
constexpr int ColourBytes = StdCardMessages::ColorNameWidth + 6;
constexpr int DrainTimeoutMs = 1000;
constexpr int DrainLength = 1024;

void appendWord(QByteArray& bytes, int value) {
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

int packageCount(int streamSize) {
    return (streamSize + PackageSize - 1) / PackageSize;
}

qint16 signedWord(const QByteArray& bytes, int at) {
    return qint16(quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8)));
}

}  // namespace

FrameMeterDriver::FrameMeterDriver(FrameLayer& frames) : frames_(frames) {}

bool FrameMeterDriver::linkOpen() const {
    return frames_.linkOpen();
}

MeterOutcome FrameMeterDriver::identify(MeterInformation& information) {
    IdentityMessages messages(frames_);
    KeyInformation key;
    const MeterResult keyResult = messages.readKeyInformation(key);
    if (keyResult == MeterResult::Ok) {
        information = {key.instrumentId, key.meterNumber, key.firmwareVersion};
        return {};
    }
    if (keyResult != MeterResult::Unsupported)
        return MeterOutcome::failed(MeterStep::ReadKeyInformation, keyResult);
    // A meter that does not know key information answers the older request.
    ProductionInformation production;
    const MeterResult result = messages.readProductionInformation(production);
    if (result != MeterResult::Ok)
        return MeterOutcome::failed(MeterStep::ReadProduction, result);
    information = {production.instrumentId, production.meterNumber, 0};
    return {};
}

MeterOutcome FrameMeterDriver::measure(MeasuredColour& reading) {
    QVector<int> values;
    const MeterResult result = MeasureMessages(frames_).readMeasureData(values);
    if (result != MeterResult::Ok)
        return MeterOutcome::failed(MeterStep::Measure, result);
    reading = MeasuredColour();
    reading.values = values;
    return {};
}

MeterOutcome FrameMeterDriver::readRecords(QVector<MeterLibraryRecord>& records,
                                           const MeterLimits& limits) {
    StdCardMessages messages(frames_);
    int total = 0;
    MeterResult result = messages.readStdCardTotal(total);
    if (result != MeterResult::Ok)
        return MeterOutcome::failed(MeterStep::ReadTotal, result);
    // Refused before reading records that do not exist.
    if (total > limits.maxLibraries)
        return MeterOutcome::refused(MeterOutcome::Kind::TooManyLibraries);
    records.clear();
    records.reserve(total);
    qint64 colourTotal = 0;
    for (int i = 0; i < total; ++i) {
        MeterLibraryRecord record;
        result = messages.readStdCardInfo(StdCardMessages::infoAddress(i), record.name,
                                          record.description, record.count);
        if (result != MeterResult::Ok)
            return MeterOutcome::failed(MeterStep::ReadInfo, result);
        // Refused before a single colour is read.
        colourTotal += record.count;
        if (record.count > limits.maxColours || colourTotal > limits.maxColours)
            return MeterOutcome::refused(MeterOutcome::Kind::TooManyColours);
        records.append(record);
    }
    return {};
}

MeterOutcome FrameMeterDriver::readLibraries(MeterLibraries& libraries, const MeterLimits& limits,
                                             MeterProgress& progress) {
    MeterOutcome outcome = readRecords(libraries.records, limits);
    if (!outcome.done())
        return outcome;
    libraries.total = libraries.records.size();

    // Counts are 16-bit; the sum is kept within what one stream buffer can address.
    qint64 colourTotal = 0;
    for (const MeterLibraryRecord& record : libraries.records)
        colourTotal =
            qMin<qint64>(colourTotal + record.count, std::numeric_limits<int>::max() / ColourBytes);

    QByteArray stream;
    outcome = readStream(int(colourTotal), stream, progress);
    if (!outcome.done())
        return outcome;
    // Every value the meter's signed hundredths can hold is taken: the meter
    // keeps what the program itself wrote.
    libraries.colours = decodeStream(stream, int(colourTotal));
    return {};
}

MeterOutcome FrameMeterDriver::readStream(int colourTotal, QByteArray& stream,
                                          MeterProgress& progress) {
    const int streamSize = ColourBytes * colourTotal;
    const int packages = packageCount(streamSize);
    progress.begin(packages);
    StdCardMessages messages(frames_);
    stream.reserve(qMin(streamSize, 1 << 22));
    for (int p = 0; p < packages; ++p) {
        const int length = qMin(PackageSize, streamSize - PackageSize * p);
        QByteArray data;
        const MeterResult result = messages.readStdCardData(
            StdCardMessages::DataBaseAddress + PackageSize * p, length, data);
        if (result != MeterResult::Ok)
            return MeterOutcome::failed(MeterStep::ReadData, result);
        progress.setValue(p + 1);
        stream.append(data);
    }
    progress.end();
    return {};
}

MeterOutcome FrameMeterDriver::writeLibraries(const MeterLibraries& libraries,
                                              MeterProgress& progress) {
    StdCardMessages messages(frames_);
    MeterResult result = messages.writeStdCardTotal(libraries.total, libraries.totalCheck);
    if (result != MeterResult::Ok)
        return MeterOutcome::failed(MeterStep::WriteTotal, result);

    int address = StdCardMessages::InfoBaseAddress;
    for (const MeterLibraryRecord& record : libraries.records) {
        result = messages.writeStdCardInfo(address, record.name, record.description, record.count,
                                           record.dataCheck, record.infoCheck);
        if (result != MeterResult::Ok)
            return MeterOutcome::failed(MeterStep::WriteInfo, result);
        address += StdCardMessages::InfoSlotSize;
    }

    const int colours = libraries.colours.size();
    const int packages = (ColourBytes * colours + PackageSize - 1) / PackageSize;
    progress.begin(packages);

    QByteArray buffer;
    buffer.reserve(2 * PackageSize);
    int sent = 0;
    // Sends the first 256 bytes whenever more than that are waiting.
    const auto flushFull = [&]() {
        while (buffer.size() > PackageSize) {
            result = sendPackage(sent, buffer, PackageSize);
            if (result != MeterResult::Ok)
                return false;
            buffer.remove(0, PackageSize);
            progress.setValue(sent);
            ++sent;
        }
        return true;
    };
    for (const MeterColour& colour : libraries.colours) {
        buffer.append(StdCardMessages::fixedField(colour.name, StdCardMessages::ColorNameWidth));
        if (!flushFull())
            return MeterOutcome::failed(MeterStep::WriteData, result, sent);
    }
    for (const MeterColour& colour : libraries.colours) {
        for (const QString* value : {&colour.L, &colour.a, &colour.b}) {
            appendWord(buffer, streamHundredths(*value));
            if (!flushFull())
                return MeterOutcome::failed(MeterStep::WriteData, result, sent);
        }
    }
    if (!buffer.isEmpty()) {
        result = sendPackage(sent, buffer, buffer.size());
        if (result != MeterResult::Ok)
            return MeterOutcome::failed(MeterStep::WriteData, result, sent);
        progress.setValue(sent);
    }

    const int end = StdCardMessages::DataBaseAddress + PackageSize * sent + buffer.size();
    result = messages.writeStdCardData(end, QByteArray(), 0);
    if (result != MeterResult::Ok)
        return MeterOutcome::failed(MeterStep::WriteEmptyPacket, result);
    progress.setValue(packages);
    progress.end();

    // Whatever the meter still sends after the acknowledgement is read away.
    QByteArray rest;
    frames_.receiveFrame(rest, DrainTimeoutMs, DrainLength, false);
    return {};
}

MeterResult FrameMeterDriver::sendPackage(int packagesSent, const QByteArray& data, int length) {
    StdCardMessages messages(frames_);
    const int address = StdCardMessages::DataBaseAddress + PackageSize * packagesSent;
    return messages.writeStdCardData(address, data, length);
}

QString FrameMeterDriver::hundredthsText(qint16 value) {
    // Integer arithmetic: no rounding can turn -5 into "-0.04" or lose the sign.
    // Written digit by digit from the right: a full export formats 60,000 of
    // these, and the number formatting of QString cost 5,000 instructions each.
    int magnitude = qAbs(int(value));
    QChar text[7];  // "-327.68" at most
    int at = 7;
    for (int digit = 0; digit < 2; ++digit, magnitude /= 10)
        text[--at] = QLatin1Char(char('0' + magnitude % 10));
    text[--at] = QLatin1Char('.');
    do {
        text[--at] = QLatin1Char(char('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0)
        text[--at] = QLatin1Char('-');
    return QString(text + at, 7 - at);
}

int FrameMeterDriver::streamHundredths(const QString& text) {
    const int point = text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    // Cut, not rounded: 12.345 is 1234.
    fraction = fraction.left(2);
    while (fraction.size() < 2)
        fraction.append(QLatin1Char('0'));
    bool ok = false;
    const int value = (whole + fraction).toInt(&ok);
    return ok ? value : 0;
}

QVector<MeterColour> FrameMeterDriver::decodeStream(const QByteArray& stream, int colourTotal) {
    QVector<MeterColour> colours;
    colours.reserve(colourTotal);
    int at = 0;
    const int nameWidth = StdCardMessages::ColorNameWidth;
    while (colours.size() < colourTotal && at + nameWidth <= stream.size()) {
        colours.append({StdCardMessages::decodeColorName(stream.mid(at, nameWidth)), {}, {}, {}});
        at += nameWidth;
    }
    for (MeterColour& colour : colours) {
        if (at + 6 > stream.size())
            break;
        colour.L = hundredthsText(signedWord(stream, at));
        colour.a = hundredthsText(signedWord(stream, at + 2));
        colour.b = hundredthsText(signedWord(stream, at + 4));
        at += 6;
    }
    return colours;
}

}  // namespace colorcard
