// SPDX-License-Identifier: MIT
#include "workflow/MeterWrite.h"

#include "checksum/CountCheckCode.h"
#include "checksum/Crc16.h"
#include "protocol/FrameMeterDriver.h"
#include "protocol/StdCardMessages.h"
#include "texts/ChangeTexts.h"
#include "texts/TransferTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/MeterResultTexts.h"
#include "workflow/TransferProgress.h"

namespace colorcard {

namespace {

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

MeterWrite::MeterWrite(LibraryService& library, MeterDriver& driver)
    : library_(library), driver_(driver) {}

MeterWrite::MeterWrite(LibraryService& library, FrameLayer& frames)
    : library_(library),
      ownDriver_(std::make_unique<FrameMeterDriver>(frames)),
      driver_(*ownDriver_) {}

MeterWrite::~MeterWrite() = default;

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
                appendWord(values, FrameMeterDriver::streamHundredths(*v));
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

    MeterLibraries download;
    download.total = payload.value(1).value(0).toInt();
    download.totalCheck = payload.value(1).value(1).toInt();
    for (int r = FirstLibraryRow; r <= lastLibraryRow; ++r) {
        const QVariantList& row = payload[r];
        if (!holdsValue(row))
            continue;
        const int count = row.value(2).toInt();
        // A check code may be 0 like any other CRC; a library row without its
        // codes has no colours and no record.
        if (count == 0 || row.size() < 5)
            continue;
        download.records << MeterLibraryRecord{row[0].toString().simplified(),
                                               row[1].toString().simplified(), count,
                                               row[3].toInt(), row[4].toInt()};
    }
    for (int c = 0; c < int(colourTotal); ++c) {
        const QVariantList& row = payload[FirstColourRow + c];
        download.colours << MeterColour{row.value(0).toString().simplified(),
                                        row.value(1).toString(), row.value(2).toString(),
                                        row.value(3).toString()};
    }

    TransferProgress progress([&messenger](int packages) {
        return messenger.progress(TransferText::Writing, 0, packages);
    });
    const MeterOutcome outcome = driver_.writeLibraries(download, progress);
    if (!outcome.done()) {
        if (outcome.step == MeterStep::WriteData)
            messenger.tip(TransferText::PackageNotWritten, {QString::number(outcome.package + 1)});
        else
            reportFailure(messenger, outcome.step, outcome.result);
        progress.end();
        return false;
    }

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
    QVector<MeterLibraryRecord> records;
    const MeterOutcome outcome = driver_.readRecords(records);
    if (!outcome.done()) {
        reportFailure(library_.messenger(), outcome.step, outcome.result);
        return false;
    }
    *libraries = records.size();
    *colours = 0;
    for (const MeterLibraryRecord& record : records)
        *colours += record.count;
    return true;
}

}  // namespace colorcard
