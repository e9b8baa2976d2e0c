// SPDX-License-Identifier: MIT
#pragma once

#include "store/QualityRecords.h"

namespace colorcard {

// The QC records the page works with when they are only known later: a
// server's once connected. Every call goes to the current target; without
// one the lists (lots, history, pass rate) are empty and every other call
// fails ("not connected"), so nothing is kept elsewhere instead. The target
// is the caller's and must outlive its use here.
class SwitchedQualityRecords : public QualityRecords {
public:
    explicit SwitchedQualityRecords(QualityRecords* target = nullptr) : target_(target) {}

    // The clock given before is handed on.
    void setTarget(QualityRecords* target);
    QualityRecords* target() const { return target_; }

    void setClock(std::function<QDateTime()> clock) override;

    std::optional<Tolerance> tolerance(const QString& libraryId) override;
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance) override;
    std::optional<ToleranceModel> toleranceModel(const QString& libraryId,
                                                 const QString& colourId = {}) override;
    std::optional<bool> hasToleranceOverride(const QString& libraryId,
                                             const QString& colourId) override;
    bool setToleranceModel(const QString& libraryId, const QString& colourId,
                           const ToleranceModel& model) override;
    bool removeToleranceOverride(const QString& libraryId, const QString& colourId) override;
    bool addLot(Lot& lot) override;
    std::optional<QVector<Lot>> lots() override;
    bool addHistory(HistoryEntry& entry) override;
    using QualityRecords::history;
    std::optional<QVector<HistoryEntry>> history(const HistoryFilter& filter) override;
    std::optional<PassRate> passRate(const QString& libraryId = {}) override;

    QString error() const override;

private:
    bool fail(const QString& what, const QString& detail) override;
    // Whether there is a target; without one the call fails ("not connected").
    bool reach();

    QualityRecords* target_;
    std::function<QDateTime()> clock_;
    // Why the last call failed without a target or outside it (a file).
    QString error_;
};

}  // namespace colorcard
