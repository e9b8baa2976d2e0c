#include "MeterExport.h"

#include <QSet>
#include <QStringList>
#include <limits>

#include "ColorCardStore.h"
#include "FrameLayer.h"
#include "LibraryView.h"
#include "Messenger.h"
#include "StdCardMessages.h"
#include "WorkspaceState.h"

namespace {

constexpr int PackageSize = 256;
constexpr int ColourBytes = StdCardMessages::ColorNameWidth + 6;
constexpr int IdColumn = 0;
constexpr int CountColumn = 3;

struct Text {
    const char* english;
    const char* chinese;
};

// Messages of a failed read, for the results -1, -2 and -3 in that order.
using ReadFailureTexts = Text[3];

const ReadFailureTexts TotalFailures = {
    {"Failed to read the total number of standard color cards and ports!",
     "读标准色卡总数写端口失败！"},
    {"No message was received regarding the total number of standard color cards read!",
     "读标准色卡总数没有接收到报文！"},
    {"There is an error in the message received for reading the total number of standard color "
     "cards!",
     "读标准色卡总数接收到的报文有错误！"}};

const ReadFailureTexts InfoFailures = {
    {"Reading standard color card information and port failed!", "读标准色卡信息写端口失败！"},
    {"No message received for reading standard color card information!",
     "读标准色卡信息没有接收到报文！"},
    {"The message received for reading standard color card information is incorrect!",
     "读标准色卡信息接收到的报文有错误！"}};

const ReadFailureTexts DataFailures = {
    {"Reading standard color card data and port failed!", "读标准色卡数据写端口失败！"},
    {"No message received for reading standard color card data!", "读标准色卡数据没有接收到报文！"},
    {"The message received for reading standard color card data is incorrect!",
     "读标准色卡数据接收到的报文有错误！"}};

// Other negative results end the run without a message.
void reportReadFailure(const Messenger& messenger, int result, const ReadFailureTexts& texts) {
    if (result > -1 || result < -3)
        return;
    const Text& text = texts[-result - 1];
    messenger.tip(QString::fromUtf8(text.english), QString::fromUtf8(text.chinese));
}

int packageCount(int streamSize) {
    return (streamSize + PackageSize - 1) / PackageSize;
}

qint16 signedWord(const QByteArray& bytes, int at) {
    return qint16(quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8)));
}

}  // namespace

MeterExport::MeterExport(const WorkspaceContext& context, FrameLayer& frames)
    : context_(context), frames_(frames) {}

QString MeterExport::hundredthsText(qint16 value) {
    // Integer arithmetic: no rounding can turn -5 into "-0.04" or lose the sign.
    const int magnitude = qAbs(int(value));
    return (value < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100) +
           QLatin1Char('.') + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QVector<MeterExport::Colour> MeterExport::decodeStream(const QByteArray& stream, int colourTotal) {
    QVector<Colour> colours;
    colours.reserve(colourTotal);
    int at = 0;
    const int nameWidth = StdCardMessages::ColorNameWidth;
    while (colours.size() < colourTotal && at + nameWidth <= stream.size()) {
        colours.append({StdCardMessages::decodeColorName(stream.mid(at, nameWidth)), {}, {}, {}});
        at += nameWidth;
    }
    for (Colour& colour : colours) {
        if (at + 6 > stream.size())
            break;
        colour.L = hundredthsText(signedWord(stream, at));
        colour.a = hundredthsText(signedWord(stream, at + 2));
        colour.b = hundredthsText(signedWord(stream, at + 4));
        at += 6;
    }
    return colours;
}

bool MeterExport::run() {
    const Messenger& messenger = context_.messenger;

    QVector<MeterLibrary> libraries;
    if (!readLibraries(libraries))
        return false;

    // Counts are 16-bit; the sum is kept within what one stream buffer can address.
    qint64 colourTotal = 0;
    int newLibraries = 0;
    for (const MeterLibrary& library : libraries) {
        colourTotal = qMin<qint64>(colourTotal + library.count,
                                   std::numeric_limits<int>::max() / ColourBytes);
        if (!context_.state.libraryKeys.contains(library.key()))
            ++newLibraries;
    }

    QByteArray stream;
    if (!readStream(int(colourTotal), stream))
        return false;
    const QVector<Colour> colours = decodeStream(stream, int(colourTotal));

    // Refused as a whole, before anything is written.
    const int rows = context_.view.libraryRowCount();
    if (context_.state.maxLibraries < rows + newLibraries) {
        const QString limit = QString::number(context_.state.maxLibraries);
        const QString existing = QString::number(rows);
        messenger.tip(QStringLiteral("At most %1 color cards, and already %2 color cards, "
                                     "importing has exceeded the limit!")
                          .arg(limit, existing),
                      QStringLiteral("最多录%1本色卡，已经存在%2本色卡，本次导入已超过上限!")
                          .arg(limit, existing));
        return false;
    }

    return storeLibraries(libraries, colours);
}

bool MeterExport::readLibraries(QVector<MeterLibrary>& libraries) {
    StdCardMessages messages(frames_);
    int total = 0;
    int result = messages.readStdCardTotal(total);
    if (result < 0) {
        reportReadFailure(context_.messenger, result, TotalFailures);
        return false;
    }
    libraries.reserve(total);
    for (int i = 0; i < total; ++i) {
        MeterLibrary library;
        result = messages.readStdCardInfo(StdCardMessages::infoAddress(i), library.name,
                                          library.description, library.count);
        if (result < 0) {
            reportReadFailure(context_.messenger, result, InfoFailures);
            return false;
        }
        libraries.append(library);
    }
    return true;
}

bool MeterExport::readStream(int colourTotal, QByteArray& stream) {
    const int streamSize = ColourBytes * colourTotal;
    const int packages = packageCount(streamSize);
    std::unique_ptr<ProgressReporter> progress =
        context_.messenger.progress(QStringLiteral("Exporting meter data, please wait"),
                                    QStringLiteral("正在导出仪器数据，请等待..."), 0, packages);
    StdCardMessages messages(frames_);
    stream.reserve(qMin(streamSize, 1 << 22));
    for (int p = 0; p < packages; ++p) {
        const int length = qMin(PackageSize, streamSize - PackageSize * p);
        QByteArray data;
        const int result = messages.readStdCardData(
            StdCardMessages::DataBaseAddress + PackageSize * p, length, data);
        if (result < 0) {
            reportReadFailure(context_.messenger, result, DataFailures);
            progress->hide();
            return false;
        }
        progress->setValue(p + 1);
        stream.append(data);
    }
    progress->hide();
    return true;
}

bool MeterExport::storeLibraries(const QVector<MeterLibrary>& libraries,
                                 const QVector<Colour>& colours) {
    const Messenger& messenger = context_.messenger;
    ColorCardStore& store = context_.store;
    LibraryView& view = context_.view;
    WorkspaceState& state = context_.state;

    std::unique_ptr<ProgressReporter> progress =
        messenger.progress(QStringLiteral("Writing to database, please wait"),
                           QStringLiteral("正在写入数据库，请等待..."), 0, libraries.size());
    int offset = 0;  // first colour of the current library in the stream
    for (int i = 0; i < libraries.size(); ++i) {
        const MeterLibrary& library = libraries[i];
        const QString key = library.key();
        const bool exists = state.libraryKeys.contains(key);
        if (exists &&
            !messenger.ask(
                QStringLiteral("Color card library name: %1, color card library "
                               "description: %2, already exists, do you want to "
                               "overwrite the old color card library?")
                    .arg(library.name, library.description),
                QStringLiteral("色卡库名称：%1，色卡库描述：%2，已经存在，是否覆盖旧的色卡库？")
                    .arg(library.name, library.description))) {
            // Skipped, but its colours stay in the stream before the next library's.
            offset += library.count;
            continue;
        }

        // Everything this library changes in the store goes in one transaction.
        store.beginTransaction();
        bool created = false;
        if (!exists) {
            const QString id = store.makeLibraryId(view.libraryRowCount() + 1);
            const QString zero = QStringLiteral("0");
            store.createColorDataTable(id);
            store.insertLibrary(id, state.meterNumber, library.name, library.description, zero);
            view.appendLibraryRow(id, library.name, library.description, zero);
            created = true;
        }
        const int row = rowOfKey(key);
        const QString libraryId = row >= 0 ? view.libraryCell(row, IdColumn) : QString();
        const QStringList ids = store.makeColorIds(libraryId, 0, library.count);

        // Colours the library already holds (same name and values) are skipped.
        const QStringList known = state.colorKeyMap.value(key);
        const QSet<QString> present(known.begin(), known.end());
        QStringList newIds, names, L, a, b, newKeys;
        for (int k = 0; k < ids.size() && offset + k < colours.size(); ++k) {
            const Colour& colour = colours[offset + k];
            const QString colourKey =
                QStringList{colour.name, colour.L, colour.a, colour.b}.join(QLatin1Char(':'));
            if (present.contains(colourKey))
                continue;
            newIds << ids[k];
            names << colour.name;
            L << colour.L;
            a << colour.a;
            b << colour.b;
            newKeys << colourKey;
        }

        // The limit is about what would be stored: colours already present add nothing.
        const int stored = totalColorCount();
        if (newIds.size() + stored > MaxColors) {
            const QString max = QString::number(MaxColors);
            const QString already = QString::number(stored);
            const QString importing = QString::number(newIds.size());
            const QString from = QString::number(i + 1);
            messenger.tip(
                QStringLiteral(
                    "At most %1 color datas, and already %2 color datas, importing %3 "
                    "color datas has exceeded the limit, from %4 color card import fail!")
                    .arg(max, already, importing, from),
                QStringLiteral("最多录%1条色卡数据，已经存在%2条色卡数据，本次导入%3条已超过上限，"
                               "从第%4本色卡开始导出失败!")
                    .arg(max, already, importing, from));
            // Only a library this run created, still empty, goes again.
            if (created && row >= 0 && view.libraryCell(row, CountColumn).toInt() < 1) {
                store.dropColorDataTable(libraryId);
                store.deleteLibrary(libraryId);
                view.removeLibraryRow(row);
            }
            store.commitTransaction();
            progress->hide();
            view.reselectFirstLibrary();
            return false;
        }

        if (row >= 0) {
            const int count = view.libraryCell(row, CountColumn).toInt() + newIds.size();
            store.updateLibraryCount(QString::number(count), libraryId);
            view.setLibraryCount(row, QString::number(count));
            store.insertColorDataBatchLab(libraryId, newIds, names, L, a, b);
            state.colorKeyMap[key].append(newKeys);
        }
        store.commitTransaction();
        progress->setValue(i + 1);
        offset += library.count;
    }
    progress->hide();
    messenger.tip(QStringLiteral("Export the color card data success!"),
                  QStringLiteral("导出仪器色卡数据成功！"));
    view.reselectFirstLibrary();
    return true;
}

int MeterExport::totalColorCount() {
    qint64 total = 0;
    for (const LibraryRecord& record : context_.store.selectLibraries())
        total += record.value(5).toString().toInt();
    return int(qBound<qint64>(0, total, std::numeric_limits<int>::max()));
}

int MeterExport::rowOfKey(const QString& key) const {
    return context_.state.libraryKeys.indexOf(key);
}
