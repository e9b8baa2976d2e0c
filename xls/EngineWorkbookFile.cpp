// SPDX-License-Identifier: MIT
#include "xls/EngineWorkbookFile.h"

namespace colorcard {

EngineWorkbookFile::EngineWorkbookFile(const QString& fileName) : engine(fileName) {}

bool EngineWorkbookFile::open(int sheetIndex) {
    return engine.open(sheetIndex);
}

bool EngineWorkbookFile::selectSheet(int sheetIndex) {
    return engine.selectSheet(sheetIndex);
}

void EngineWorkbookFile::close() {
    engine.close();
}

void EngineWorkbookFile::saveAs(const QString& path) {
    engine.saveAs(path);
}

bool EngineWorkbookFile::writeRows(const QList<QVariantList>& rows) {
    return engine.writeRows(rows);
}

QList<QVariantList> EngineWorkbookFile::readAll() const {
    return engine.readAll();
}

int EngineWorkbookFile::sheetCount() const {
    return engine.sheetCount();
}

int EngineWorkbookFile::rowCount() const {
    return engine.rowCount();
}

bool EngineWorkbookFile::deleteSheet(int index) {
    return engine.deleteSheet(index);
}

std::unique_ptr<WorkbookFile> EngineWorkbookFile::create(const QString& fileName) {
    return std::make_unique<EngineWorkbookFile>(fileName);
}

bool EngineWorkbookFile::writeFailed() const {
    return engine.writeFailed();
}

}  // namespace colorcard
