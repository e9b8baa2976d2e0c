// SPDX-License-Identifier: MIT
#include "link/CLinker.h"

#include <QElapsedTimer>

namespace colorcard {

CLinker::CLinker(QObject* parent) : QObject(parent) {}
CLinker::~CLinker() = default;

void CLinker::close() {}
int CLinker::read(QByteArray&, int, int) {
    return 0;
}
int CLinker::write(const QByteArray&, int) {
    return 0;
}
bool CLinker::isOpen() const {
    return false;
}
bool CLinker::isDisconnected() {
    return true;
}
int CLinker::readPending(QByteArray&) {
    return 0;
}
qint64 CLinker::elapsedMs() {
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

}  // namespace colorcard
