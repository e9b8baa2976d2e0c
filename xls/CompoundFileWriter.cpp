// SPDX-License-Identifier: MIT
#include "xls/CompoundFileWriter.h"

#include "xls/CompoundFileModule.h"
#include "xls/gsf/GsfCompoundFile.h"

namespace colorcard {

void CompoundFileWriter::addStream(const QString& name, const QByteArray& data) {
    streams.emplace_back(name, data);
}

QByteArray CompoundFileWriter::build() const {
    const GsfCompoundFileFunctions* module = CompoundFileModule::functions();
    return module ? module->build(streams) : QByteArray();
}

}  // namespace colorcard
