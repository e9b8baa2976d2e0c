// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace colorcard {

// Packs named streams into an OLE2 compound file (the container of .xls
// workbooks), built in memory with libgsf.
class CompoundFileWriter {
public:
    void addStream(const QString& name, const QByteArray& data);
    // The container's bytes; empty when it could not be built.
    QByteArray build() const;

private:
    std::vector<std::pair<QString, QByteArray>> streams;
};

}  // namespace colorcard
