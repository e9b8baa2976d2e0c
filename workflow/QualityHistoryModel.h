// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>
#include <optional>

#include "store/QualityStore.h"

namespace colorcard {

class QualityController;

// "ΔE00 0.42 ≤ 1.00": the formula, the difference and the limit it was held to.
QString judgementText(const Comparison& comparison, const Language& language);

// The QC history as a table: the comparisons the filter chooses, newest
// first, at most the filter's limit of them, with the verdict recorded, the
// tolerance they were judged by, on request the verdict by the tolerance in
// force now, the standard and the library's index of the sample. The lot
// view, its run charts and its shade groups read every comparison the filter
// chooses from here too, so the page reads the store once per change.
class QualityHistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The index is last, so the columns before it keep their places whether
    // a view shows it or not.
    enum Column { Time, Result, DeltaE, JudgedBy, Rejudged, Standard, Index, ColumnCount };

    explicit QualityHistoryModel(QualityController& controller, QObject* parent = nullptr);

    // Reads the history again with this filter.
    void setFilter(const HistoryFilter& filter);
    const HistoryFilter& filter() const { return filter_; }
    // Whether the Rejudged column is filled (it costs a comparison a row).
    void setRejudge(bool rejudge);
    bool rejudge() const { return rejudge_; }
    // The column titles, in Column order; the view's words.
    void setTitles(const QStringList& titles);
    // Reads the store again (the history, the tolerances or the language changed).
    void refresh();

    // The rows, newest first.
    const QVector<QualityStore::HistoryEntry>& entries() const { return entries_; }
    // Every comparison the filter chooses, whatever its limit, oldest first;
    // read on first use after a change.
    const QVector<QualityStore::HistoryEntry>& allOldestFirst();
    // Whether any row has an index value.
    bool anyIndex() const { return anyIndex_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        QString texts[ColumnCount];
        QString timeTip;
        QString indexTip;
        Verdict verdict = Verdict::Fail;
        std::optional<Verdict> rejudged;
    };
    Row row(const QualityStore::HistoryEntry& entry,
            QHash<QString, std::optional<ToleranceModel>>& models) const;

    QualityController& controller_;
    HistoryFilter filter_;
    bool rejudge_ = false;
    QStringList titles_;
    QVector<QualityStore::HistoryEntry> entries_;
    QVector<Row> rows_;
    std::optional<QVector<QualityStore::HistoryEntry>> all_;
    bool anyIndex_ = false;
};

}  // namespace colorcard
