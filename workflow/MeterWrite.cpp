// SPDX-License-Identifier: MIT
#include "MeterWrite.h"

#include <memory>

#include "ChangeTexts.h"
#include "CountCheckCode.h"
#include "Crc16.h"
#include "FrameLayer.h"
#include "LibraryService.h"
#include "MeterResultTexts.h"
#include "StdCardMessages.h"
#include "TransferTexts.h"

namespace {

constexpr int PackageSize = 256;
constexpr int ColourBytes = StdCardMessages::ColorNameWidth + 6;
constexpr int DrainTimeoutMs = 1000;
constexpr int DrainLength = 1024;

void appendWord(QByteArray& bytes, int value) {
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

bool holdsValue(const QVariantList& row) {
    return !row.isEmpty() && row.at(0).isValid();
}

}  // namespace

namespace {

// Other results stop the download without a message.
void reportFailure(const Messenger& messenger, MeterStep step, MeterResult result) {
    if (const BilingualText* text = meterResultText(step, result))
        messenger.tip(*text);
}

}  // namespace

MeterWrite::MeterWrite(LibraryService& library, FrameLayer& frames)
    : library_(library), frames_(frames) {}

int MeterWrite::streamHundredths(const QString& text) {
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

bool MeterWrite::run() {
    return writePayload(buildMeterPayload());
}

QList<QVariantList> MeterWrite::buildMeterPayload() {
    QList<QVariantList> payload;
    QVector<Library> libraries = library_.storedLibraries();
    if (libraries.isEmpty())
        return payload;

    const QString empty = QStringLiteral("");
    payload << QVariantList{library_.meterNumber(), empty, empty, empty, empty};
    payload << QVariantList();

    int withColours = libraries.size();
    for (Library& library : libraries) {
        payload << QVariantList{library.name, library.description, library.count};
        library.colours = library_.storedColours(library.id);
        if (library.count.toInt() == 0)
            --withColours;
    }
    payload[1] = QVariantList{withColours, int(countCheckCode(withColours))};

    while (payload.size() < HeaderRow)
        payload << QVariantList{QVariant(), QVariant(), QVariant(), QVariant(), QVariant()};
    payload << QVariantList{QStringLiteral("name"), QStringLiteral("L"), QStringLiteral("a"),
                            QStringLiteral("b")};

    for (int i = 0; i < libraries.size(); ++i) {
        // The check codes describe the bytes the meter receives: the values
        // as the stream carries them, the texts simplified and in their fields.
        QByteArray values;
        for (const Colour& colour : libraries[i].colours) {
            payload << QVariantList{colour.name, colour.labL, colour.laba, colour.labb};
            for (const QString* v : {&colour.labL, &colour.laba, &colour.labb})
                appendWord(values, streamHundredths(*v));
        }
        if (values.isEmpty())
            continue;
        QVariantList& row = payload[FirstLibraryRow + i];
        const int dataCheck = crc16(values, values.size());
        row << dataCheck;
        row << int(StdCardMessages::infoRecordCheckCode(row[0].toString().simplified(),
                                                        row[1].toString().simplified(),
                                                        row[2].toInt(), dataCheck));
    }
    return payload;
}

bool MeterWrite::writePayload(const QList<QVariantList>& payload) {
    const Messenger& messenger = library_.messenger();
    if (payload.isEmpty()) {
        messenger.tip(TransferText::NothingToWrite);
        return false;
    }

    // Survey of the library rows.
    const int lastLibraryRow = qMin(payload.size(), HeaderRow) - 1;
    qint64 colourTotal = 0;
    QString firstEmpty;
    bool someEmpty = false;
    for (int r = FirstLibraryRow; r <= lastLibraryRow; ++r) {
        const QVariantList& row = payload[r];
        if (!holdsValue(row))
            continue;
        const int count = row.value(2).toInt();
        colourTotal += count;
        if (count == 0 && !someEmpty) {
            someEmpty = true;
            firstEmpty = row.value(0).toString().simplified();
        }
    }
    if (colourTotal == 0) {
        messenger.tip(TransferText::AddColorsFirst);
        return false;
    }
    if (someEmpty) {
        messenger.tip(TransferText::EmptyLibrary, {firstEmpty});
        return false;
    }
    if (payload[0].value(0).toString() != library_.meterNumber()) {
        messenger.tip(TransferText::WriteMismatch);
        return false;
    }
    // Colour rows must follow the header where the meter's layout expects
    // them (more libraries than rows 2 to 47 hold would shift them), and be
    // there for every colour the libraries announce; nothing is sent otherwise.
    const qint64 rowsNeeded = colourTotal + FirstColourRow;
    const bool headerInPlace = payload.size() > HeaderRow &&
                               payload[HeaderRow].value(0).toString() == QLatin1String("name");
    if (!headerInPlace || payload.size() < rowsNeeded) {
        messenger.tip(TransferText::PayloadError);
        return false;
    }

    int libraryTotal = 0;
    for (int r = FirstLibraryRow; r <= lastLibraryRow; ++r)
        if (holdsValue(payload[r]))
            ++libraryTotal;
    if (confirmed_) {
        int meterLibraries = 0, meterColours = 0;
        if (!readMeterCounts(&meterLibraries, &meterColours) ||
            !messenger.askRisky(ChangeText::ConfirmWrite,
                                {QString::number(libraryTotal), QString::number(colourTotal),
                                 QString::number(meterLibraries), QString::number(meterColours)}))
            return false;
    }

    StdCardMessages messages(frames_);
    MeterResult result = messages.writeStdCardTotal(payload.value(1).value(0).toInt(),
                                                    payload.value(1).value(1).toInt());
    if (result != MeterResult::Ok) {
        reportFailure(messenger, MeterStep::WriteTotal, result);
        return false;
    }

    int address = StdCardMessages::InfoBaseAddress;
    for (int r = FirstLibraryRow; r <= lastLibraryRow; ++r) {
        const QVariantList& row = payload[r];
        if (!holdsValue(row))
            continue;
        const int count = row.value(2).toInt();
        // A check code may be 0 like any other CRC; a library row without its
        // codes has no colours and no record.
        if (count == 0 || row.size() < 5)
            continue;
        result = messages.writeStdCardInfo(address, row[0].toString().simplified(),
                                           row[1].toString().simplified(), count, row[3].toInt(),
                                           row[4].toInt());
        if (result != MeterResult::Ok) {
            reportFailure(messenger, MeterStep::WriteInfo, result);
            return false;
        }
        address += StdCardMessages::InfoSlotSize;
    }

    const int colours = int(colourTotal);
    const int packages = (ColourBytes * colours + PackageSize - 1) / PackageSize;
    std::unique_ptr<ProgressReporter> progress =
        messenger.progress(TransferText::Writing, 0, packages);

    QByteArray buffer;
    buffer.reserve(2 * PackageSize);
    int sent = 0;
    // Sends the first 256 bytes whenever more than that are waiting.
    const auto flushFull = [&]() {
        while (buffer.size() > PackageSize) {
            if (!sendPackage(sent, buffer, PackageSize)) {
                progress->hide();
                return false;
            }
            buffer.remove(0, PackageSize);
            progress->setValue(sent);
            ++sent;
        }
        return true;
    };
    for (int c = 0; c < colours; ++c) {
        buffer.append(StdCardMessages::fixedField(
            payload[FirstColourRow + c].value(0).toString().simplified(),
            StdCardMessages::ColorNameWidth));
        if (!flushFull())
            return false;
    }
    for (int c = 0; c < colours; ++c) {
        const QVariantList& row = payload[FirstColourRow + c];
        for (int v = 1; v <= 3; ++v) {
            appendWord(buffer, streamHundredths(row.value(v).toString()));
            if (!flushFull())
                return false;
        }
    }
    if (!buffer.isEmpty()) {
        if (!sendPackage(sent, buffer, buffer.size())) {
            progress->hide();
            return false;
        }
        progress->setValue(sent);
    }

    const int end = StdCardMessages::DataBaseAddress + PackageSize * sent + buffer.size();
    result = messages.writeStdCardData(end, QByteArray(), 0);
    if (result != MeterResult::Ok) {
        reportFailure(messenger, MeterStep::WriteEmptyPacket, result);
        progress->hide();
        return false;
    }
    progress->setValue(packages);
    progress->hide();

    // Whatever the meter still sends after the acknowledgement is read away.
    QByteArray rest;
    frames_.receiveFrame(rest, DrainTimeoutMs, DrainLength, false);
    if (confirmed_)
        messenger.tipComposed(messenger.paragraphs(
            {messenger.text(TransferText::Written),
             messenger.text(ChangeText::WrittenCounts,
                            {QString::number(libraryTotal), QString::number(colourTotal)})}));
    else
        messenger.tip(TransferText::Written);
    return true;
}

bool MeterWrite::readMeterCounts(int* libraries, int* colours) {
    StdCardMessages messages(frames_);
    int total = 0;
    MeterResult result = messages.readStdCardTotal(total);
    if (result != MeterResult::Ok) {
        reportFailure(library_.messenger(), MeterStep::ReadTotal, result);
        return false;
    }
    *libraries = total;
    *colours = 0;
    for (int i = 0; i < total; ++i) {
        QString name, description;
        int count = 0;
        result =
            messages.readStdCardInfo(StdCardMessages::infoAddress(i), name, description, count);
        if (result != MeterResult::Ok) {
            reportFailure(library_.messenger(), MeterStep::ReadInfo, result);
            return false;
        }
        *colours += count;
    }
    return true;
}

bool MeterWrite::sendPackage(int packagesSent, const QByteArray& data, int length) {
    StdCardMessages messages(frames_);
    const int address = StdCardMessages::DataBaseAddress + PackageSize * packagesSent;
    if (messages.writeStdCardData(address, data, length) == MeterResult::Ok)
        return true;
    library_.messenger().tip(TransferText::PackageNotWritten, {QString::number(packagesSent + 1)});
    return false;
}
