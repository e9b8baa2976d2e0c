// SPDX-License-Identifier: MIT
#include "xls/CompoundFileReader.h"

#include "xls/CompoundFileModule.h"
#include "xls/gsf/GsfCompoundFile.h"

namespace colorcard {

bool CompoundFileReader::readStream(const QByteArray& file, const QStringList& names,
                                    QByteArray* data) {
    const GsfCompoundFileFunctions* module = CompoundFileModule::functions();
    if (!module) {
        data->clear();
        return false;
    }
    return module->readStream(file, names, data);
}

}  // namespace colorcard
