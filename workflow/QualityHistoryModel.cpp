// SPDX-License-Identifier: MIT
#include "workflow/QualityHistoryModel.h"

#include <QColor>
#include <QFont>
#include <QHash>

#include "texts/QcTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/QualityController.h"

namespace colorcard {

namespace {

QString fixed(double value) {
    return QString::number(value, 'f', 2);
}

// Dark enough to read on the table's white.
QColor verdictColour(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return QColor(22, 140, 60);
        case Verdict::Warn:
            return QColor(190, 110, 0);
        case Verdict::Fail:
            break;
    }
    return QColor(200, 30, 30);
}

}  // namespace

QString judgementText(const Comparison& c, const Language& language) {
    const bool within = c.deltaE <= c.tolerance.limit;
    return QStringLiteral("%1 %2 %3 %4")
        .arg(formulaLabel(c.tolerance.method, language), fixed(c.deltaE),
             within ? QStringLiteral("≤") : QStringLiteral(">"), fixed(c.tolerance.limit));
}

QualityHistoryModel::QualityHistoryModel(QualityController& controller, QObject* parent)
    : QAbstractTableModel(parent), controller_(controller) {}

void QualityHistoryModel::setFilter(const HistoryFilter& filter) {
    filter_ = filter;
    refresh();
}

void QualityHistoryModel::setRejudge(bool rejudge) {
    if (rejudge == rejudge_)
        return;
    rejudge_ = rejudge;
    refresh();
}

void QualityHistoryModel::setTitles(const QStringList& titles) {
    titles_ = titles;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void QualityHistoryModel::refresh() {
    beginResetModel();
    entries_ = controller_.history(filter_);
    all_.reset();
    // The limit read them all already.
    if (filter_.limit < 0)
        all_ = QVector<QualityStore::HistoryEntry>(entries_.crbegin(), entries_.crend());
    rows_.clear();
    rows_.reserve(entries_.size());
    // The model in force for each standard (as edited for the one shown).
    QHash<QString, std::optional<ToleranceModel>> models;
    anyIndex_ = false;
    for (const QualityStore::HistoryEntry& e : entries_) {
        rows_ << row(e, models);
        anyIndex_ = anyIndex_ || !rows_.constLast().texts[Index].isEmpty();
    }
    endResetModel();
}

QualityHistoryModel::Row QualityHistoryModel::row(
    const QualityStore::HistoryEntry& e,
    QHash<QString, std::optional<ToleranceModel>>& models) const {
    const Language language = controller_.library().messenger().language();
    Row r;
    r.verdict = e.judged();
    r.texts[Time] = e.time.toLocalTime().toString(QStringLiteral("MM-dd HH:mm:ss"));
    if (!e.lotName.isEmpty())
        r.timeTip = QcText::HistoryLotColumn.in(language) + QStringLiteral(": ") + e.lotName;
    r.texts[Result] = verdictWord(r.verdict, language);
    r.texts[DeltaE] = fixed(e.deltaE);
    r.texts[JudgedBy] =
        e.toleranceKnown ? QStringLiteral("%1 ≤ %2").arg(formulaLabel(e.tolerance.method, language),
                                                         fixed(e.tolerance.limit))
                         : QcText::ToleranceUnknown.in(language);
    r.texts[Standard] = QStringLiteral("%1 / %2").arg(e.libraryName, e.colourName);
    r.texts[Index] = controller_.indexText(e.libraryId, e.sample, /*brief=*/true);
    // The column is narrow: the words of the range mark are in the tip.
    if (!r.texts[Index].isEmpty())
        r.indexTip = controller_.indexText(e.libraryId, e.sample);
    if (!rejudge_)
        return r;
    const QString key = e.libraryId + QLatin1Char('\n') + e.colourId;
    if (!models.contains(key))
        models.insert(key, controller_.toleranceModel(e.libraryId, e.colourId));
    const std::optional<ToleranceModel> now = models.value(key);
    if (!now) {
        r.texts[Rejudged] = QStringLiteral("—");
        return r;
    }
    const Comparison again = compare(e.standard, e.sample, *now);
    r.rejudged = again.verdict;
    r.texts[Rejudged] = QStringLiteral("%1 (%2)").arg(verdictWord(again.verdict, language),
                                                      judgementText(again, language));
    return r;
}

const QVector<QualityStore::HistoryEntry>& QualityHistoryModel::allOldestFirst() {
    if (!all_) {
        HistoryFilter every = filter_;
        every.limit = -1;
        const QVector<QualityStore::HistoryEntry> newestFirst = controller_.history(every);
        all_ = QVector<QualityStore::HistoryEntry>(newestFirst.crbegin(), newestFirst.crend());
    }
    return *all_;
}

int QualityHistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.size();
}

int QualityHistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QualityHistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= ColumnCount)
        return {};
    const Row& r = rows_[index.row()];
    const int column = index.column();
    // The rejudged column is empty until asked for.
    if (column == Rejudged && !rejudge_)
        return {};
    const std::optional<Verdict> verdict = column == Result
                                               ? std::optional<Verdict>(r.verdict)
                                               : (column == Rejudged ? r.rejudged : std::nullopt);
    switch (role) {
        case Qt::DisplayRole:
            return r.texts[column];
        case Qt::ToolTipRole:
            if (column == Time && !r.timeTip.isEmpty())
                return r.timeTip;
            if (column == Index && !r.indexTip.isEmpty())
                return r.indexTip;
            return {};
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::ForegroundRole:
            return verdict ? QVariant(verdictColour(*verdict)) : QVariant();
        case Qt::FontRole:
            if (verdict) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
    }
}

QVariant QualityHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= titles_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return titles_[section];
}

}  // namespace colorcard
