// SPDX-License-Identifier: MIT
#include "store/SwitchedQualityRecords.h"

namespace colorcard {

void SwitchedQualityRecords::setTarget(QualityRecords* target) {
    target_ = target;
    error_.clear();
    if (target_ && clock_)
        target_->setClock(clock_);
}

void SwitchedQualityRecords::setClock(std::function<QDateTime()> clock) {
    clock_ = clock;
    if (target_)
        target_->setClock(std::move(clock));
}

bool SwitchedQualityRecords::fail(const QString& what, const QString& detail) {
    error_ = what + QStringLiteral(": ") + detail;
    return false;
}

bool SwitchedQualityRecords::reach() {
    error_.clear();
    return target_ ||
           fail(QStringLiteral("cannot use the server"), QStringLiteral("not connected"));
}

QString SwitchedQualityRecords::error() const {
    if (!error_.isEmpty() || !target_)
        return error_;
    return target_->error();
}

std::optional<Tolerance> SwitchedQualityRecords::tolerance(const QString& libraryId) {
    if (!reach())
        return std::nullopt;
    return target_->tolerance(libraryId);
}

bool SwitchedQualityRecords::setTolerance(const QString& libraryId, const Tolerance& tolerance) {
    if (!reach())
        return false;
    return target_->setTolerance(libraryId, tolerance);
}

std::optional<ToleranceModel> SwitchedQualityRecords::toleranceModel(const QString& libraryId,
                                                                     const QString& colourId) {
    if (!reach())
        return std::nullopt;
    return target_->toleranceModel(libraryId, colourId);
}

std::optional<bool> SwitchedQualityRecords::hasToleranceOverride(const QString& libraryId,
                                                                 const QString& colourId) {
    if (!reach())
        return std::nullopt;
    return target_->hasToleranceOverride(libraryId, colourId);
}

bool SwitchedQualityRecords::setToleranceModel(const QString& libraryId, const QString& colourId,
                                               const ToleranceModel& model) {
    if (!reach())
        return false;
    return target_->setToleranceModel(libraryId, colourId, model);
}

bool SwitchedQualityRecords::removeToleranceOverride(const QString& libraryId,
                                                     const QString& colourId) {
    if (!reach())
        return false;
    return target_->removeToleranceOverride(libraryId, colourId);
}

bool SwitchedQualityRecords::addLot(Lot& lot) {
    if (!reach())
        return false;
    return target_->addLot(lot);
}

std::optional<QVector<Lot>> SwitchedQualityRecords::lots() {
    // Nothing to list while there is no store: the status line says why.
    error_.clear();
    if (!target_)
        return QVector<Lot>();
    return target_->lots();
}

bool SwitchedQualityRecords::addHistory(HistoryEntry& entry) {
    if (!reach())
        return false;
    return target_->addHistory(entry);
}

std::optional<QVector<HistoryEntry>> SwitchedQualityRecords::history(const HistoryFilter& filter) {
    // Nothing to list while there is no store: the status line says why.
    error_.clear();
    if (!target_)
        return QVector<HistoryEntry>();
    return target_->history(filter);
}

std::optional<PassRate> SwitchedQualityRecords::passRate(const QString& libraryId) {
    // Nothing to list while there is no store: the status line says why.
    error_.clear();
    if (!target_)
        return PassRate{};
    return target_->passRate(libraryId);
}

}  // namespace colorcard
