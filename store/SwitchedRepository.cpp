// SPDX-License-Identifier: MIT
#include "store/SwitchedRepository.h"

namespace colorcard {

namespace {

// What error() says without a target; the workflows tell the user in their
// own words (the store names no one).
const char* const kNoTarget = "not connected";

}  // namespace

SwitchedRepository::SwitchedRepository(LibraryRepository* target, QObject* parent)
    : LibraryRepository(parent) {
    setTarget(target);
}

void SwitchedRepository::setTarget(LibraryRepository* target) {
    if (target_ == target)
        return;
    QObject::disconnect(changedConnection_);
    QObject::disconnect(elsewhereConnection_);
    target_ = target;
    missed_ = false;
    result_ = {};
    if (!target)
        return;
    if (clock_)
        target->setClock(clock_);
    changedConnection_ =
        connect(target, &LibraryRepository::changed, this, &LibraryRepository::changed);
    elsewhereConnection_ = connect(target, &LibraryRepository::changedElsewhere, this,
                                   &LibraryRepository::changedElsewhere);
}

bool SwitchedRepository::reach(StoreError step) {
    missed_ = !target_;
    if (missed_)
        result_ = {step, StoreCause::None};
    return !missed_;
}

template <typename Result>
Result SwitchedRepository::took(Result result) {
    result_ = target_->lastResult();
    return result;
}

void SwitchedRepository::setClock(std::function<QDateTime()> clock) {
    clock_ = clock;
    if (target_)
        target_->setClock(std::move(clock));
}

std::optional<QVector<Library>> SwitchedRepository::libraries() {
    if (!reach(StoreError::QueryLibraries))
        return std::nullopt;
    return took(target_->libraries());
}

std::optional<Library> SwitchedRepository::library(const QString& libraryId) {
    if (!reach(StoreError::QueryLibraries))
        return std::nullopt;
    return took(target_->library(libraryId));
}

std::optional<Library> SwitchedRepository::libraryByKey(const QString& name,
                                                        const QString& description) {
    if (!reach(StoreError::QueryLibraries))
        return std::nullopt;
    return took(target_->libraryByKey(name, description));
}

std::optional<QVector<Colour>> SwitchedRepository::colours(const QString& libraryId,
                                                           bool identifiers) {
    if (!reach(StoreError::QueryColors))
        return std::nullopt;
    return took(target_->colours(libraryId, identifiers));
}

bool SwitchedRepository::colourTexts(const QString& libraryId,
                                     const std::function<void(const StoredColourTexts&)>& row) {
    if (!reach(StoreError::QueryColors))
        return false;
    return took(target_->colourTexts(libraryId, row));
}

std::optional<Tolerance> SwitchedRepository::tolerance(const QString& libraryId) {
    if (!reach(StoreError::QueryLibraries))
        return std::nullopt;
    return took(target_->tolerance(libraryId));
}

std::optional<QVector<HistoryEntry>> SwitchedRepository::history(int limit,
                                                                 const QString& libraryId) {
    if (!reach(StoreError::QueryLibraries))
        return std::nullopt;
    return took(target_->history(limit, libraryId));
}

bool SwitchedRepository::begin() {
    if (!reach(StoreError::Begin))
        return false;
    return took(target_->begin());
}

bool SwitchedRepository::commit() {
    if (!reach(StoreError::Commit))
        return false;
    return took(target_->commit());
}

void SwitchedRepository::rollback() {
    if (target_)
        target_->rollback();
}

bool SwitchedRepository::inTransaction() const {
    return target_ && target_->inTransaction();
}

QString SwitchedRepository::newLibraryId(int number) {
    if (!reach(StoreError::InsertLibrary))
        return QString();
    return took(target_->newLibraryId(number));
}

QStringList SwitchedRepository::newColourIds(const QString& libraryId, int firstNumber, int count) {
    if (!reach(StoreError::InsertColor))
        return QStringList();
    return took(target_->newColourIds(libraryId, firstNumber, count));
}

bool SwitchedRepository::addLibrary(Library& library) {
    if (!reach(StoreError::InsertLibrary))
        return false;
    return took(target_->addLibrary(library));
}

bool SwitchedRepository::addColours(const QString& libraryId, QVector<Colour>& colours) {
    if (!reach(StoreError::InsertColor))
        return false;
    return took(target_->addColours(libraryId, colours));
}

bool SwitchedRepository::addLabColours(const QString& libraryId, QVector<Colour>& colours) {
    if (!reach(StoreError::InsertColor))
        return false;
    return took(target_->addLabColours(libraryId, colours));
}

bool SwitchedRepository::recount(const QString& libraryId) {
    if (!reach(StoreError::UpdateCount))
        return false;
    return took(target_->recount(libraryId));
}

bool SwitchedRepository::replaceColourValues(const QString& libraryId, const QString& colourId,
                                             const QStringList& values) {
    if (!reach(StoreError::UpdateColor))
        return false;
    return took(target_->replaceColourValues(libraryId, colourId, values));
}

bool SwitchedRepository::renameColour(const QString& libraryId, const QString& colourId,
                                      const QString& name) {
    if (!reach(StoreError::RenameColor))
        return false;
    return took(target_->renameColour(libraryId, colourId, name));
}

bool SwitchedRepository::removeColour(const QString& libraryId, const QString& colourId) {
    if (!reach(StoreError::DeleteColor))
        return false;
    return took(target_->removeColour(libraryId, colourId));
}

bool SwitchedRepository::stampMeterNumber(const QString& meterNumber) {
    if (!reach(StoreError::RenameLibrary))
        return false;
    return took(target_->stampMeterNumber(meterNumber));
}

bool SwitchedRepository::removeAllLibraries() {
    if (!reach(StoreError::DeleteLibrary))
        return false;
    return took(target_->removeAllLibraries());
}

bool SwitchedRepository::expectVersion(const QString& libraryId, int version) {
    if (!reach(StoreError::RenameLibrary))
        return false;
    return took(target_->expectVersion(libraryId, version));
}

bool SwitchedRepository::renameLibrary(const QString& libraryId, const QString& name,
                                       const QString& description) {
    if (!reach(StoreError::RenameLibrary))
        return false;
    return took(target_->renameLibrary(libraryId, name, description));
}

bool SwitchedRepository::removeLibrary(const QString& libraryId) {
    if (!reach(StoreError::DeleteLibrary))
        return false;
    return took(target_->removeLibrary(libraryId));
}

bool SwitchedRepository::setTolerance(const QString& libraryId, const Tolerance& tolerance) {
    if (!reach(StoreError::UpdateColor))
        return false;
    return took(target_->setTolerance(libraryId, tolerance));
}

bool SwitchedRepository::addHistory(HistoryEntry& entry) {
    if (!reach(StoreError::InsertColor))
        return false;
    return took(target_->addHistory(entry));
}

QString SwitchedRepository::error() const {
    if (target_ && !missed_)
        return target_->error();
    return missed_ ? QString::fromLatin1(kNoTarget) : QString();
}

LibraryRepository::Failure SwitchedRepository::failure() const {
    if (target_ && !missed_)
        return target_->failure();
    return missed_ ? Failure::Unreachable : Failure::None;
}

LocalStore* SwitchedRepository::localStore() {
    return target_ ? target_->localStore() : nullptr;
}

bool SwitchedRepository::checkForChanges() {
    return target_ && target_->checkForChanges();
}

}  // namespace colorcard
