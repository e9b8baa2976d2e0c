// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QVector>
#include <QWidget>

#include "colour/ShadeSort.h"
#include "report/QualityTrend.h"
#include "store/QualityStore.h"
#include "texts/Language.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace colorcard {

// The run charts of ΔE, ΔL*, Δa*, Δb*, painted by the report's code.
class TrendView : public QWidget {
    Q_OBJECT
public:
    explicit TrendView(QWidget* parent = nullptr);
    void setTrend(const QVector<AxisTrend>& axes, const Language& language);
    const QVector<AxisTrend>& axes() const { return axes_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QVector<AxisTrend> axes_;
    // The charts as last painted: exposing the widget again only copies them.
    QPixmap cache_;
    Language language_;
};

// The comparisons the history shows, seen together: their counts of PASS,
// WARN and FAIL, their run charts with control limits and Cp/Cpk, and the
// samples grouped by 555 shade code; the lot's report is saved from here.
class LotView : public QWidget {
    Q_OBJECT
public:
    explicit LotView(QWidget* parent = nullptr);

    void setLanguage(const Language& language);
    // oldestFirst: the comparisons filtered; lotChosen: they are one lot's.
    void showComparisons(const QVector<QualityStore::HistoryEntry>& oldestFirst,
                         const QVector<AxisTrend>& axes, const ShadeSteps& steps, bool lotChosen);
    TrendView* trendView() const { return trend_; }
    // The standards of the comparisons: with more than one, the trend is of
    // the one chosen (at first the one used last), not a mix of their limits.
    void setStandards(const QVector<TrendStandard>& standards, const TrendStandard& newest);
    // The standard the trend is of; none when the comparisons have one only.
    TrendStandard trendStandard() const;

signals:
    void saveReportRequested();
    void printReportRequested();
    void trendStandardChosen();

private:
    Language language_;
    QVector<TrendStandard> standards_;
    QLabel* counts_ = nullptr;
    QLabel* standardLabel_ = nullptr;
    QComboBox* standard_ = nullptr;
    TrendView* trend_ = nullptr;
    QTableWidget* groups_ = nullptr;
    QPushButton* saveReport_ = nullptr;
    QPushButton* printReport_ = nullptr;
};

}  // namespace colorcard
