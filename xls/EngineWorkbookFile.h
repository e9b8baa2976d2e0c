// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "xls/ExcelEngine.h"
#include "xls/WorkbookFile.h"

namespace colorcard {

// A workbook file on disk, read and written by ExcelEngine.
class EngineWorkbookFile : public WorkbookFile {
public:
    explicit EngineWorkbookFile(const QString& fileName);

    bool open(int sheetIndex) override;
    bool selectSheet(int sheetIndex) override;
    void close() override;
    void saveAs(const QString& path) override;
    bool writeRows(const QList<QVariantList>& rows) override;
    QList<QVariantList> readAll() const override;
    int sheetCount() const override;
    int rowCount() const override;
    bool deleteSheet(int index) override;
    bool writeFailed() const override;
    bool damaged() const override { return engine.damaged(); }

    static std::unique_ptr<WorkbookFile> create(const QString& fileName);

private:
    ExcelEngine engine;
};

}  // namespace colorcard
