// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QQueue>

#include "link/HidBackend.h"
#include "sim/SimMeter.h"

namespace colorcard {

// A HID backend with one simulated meter that can be plugged and unplugged.
// Its clock is virtual: a read that finds nothing pending moves the clock on by
// its time-out at once, so time-outs cost no wall time.
class SimHidBackend : public QObject, public HidBackend {
    Q_OBJECT
public:
    static constexpr quint16 kVendorId = 0x2047;
    static constexpr quint16 kProductId = 0x0301;

    explicit SimHidBackend(QObject* parent = nullptr);
    ~SimHidBackend() override;

    SimMeter& meter() { return meter_; }

    void plug();
    void unplug();
    bool isPlugged() const { return plugged_; }
    // Listed but refused on open, as a node without access rights.
    void setPermissionDenied(bool denied) { permissionDenied_ = denied; }
    void setSerialNumber(const QString& serial) { serialNumber_ = serial; }
    QString devicePath() const;

    // One 64-byte report per millisecond each way, for benchmarks; off by
    // default. The meter's own processing times are its timing().
    void setRealisticTiming(bool on) { realisticTiming_ = on; }
    // Replies become readable only this long after their request.
    void setReplyDelayMs(int ms) { replyDelayMs_ = qMax(0, ms); }
    // An input report from the device that the meter did not send (for
    // example one with another report identifier).
    void injectReport(const QByteArray& report);
    int pendingReports() const { return pending_.size(); }
    // Output reports written since the last call, in order.
    QList<QByteArray> takeWrittenReports();

    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidConnection> open(const QString& path, OpenError* error) override;
    qint64 elapsedMs() override { return now_; }
    void waitMs(int ms) override;

signals:
    void plugged();
    void unplugged();

private:
    class Connection;
    struct Pending {
        qint64 availableAt;
        QByteArray report;
    };

    bool connectionGone(quint64 generation) const;
    int writeReport(quint64 generation, const QByteArray& report, int timeoutMs);
    int readReport(quint64 generation, QByteArray& report, int timeoutMs);

    SimMeter meter_;
    bool plugged_ = true;
    bool permissionDenied_ = false;
    bool realisticTiming_ = false;
    int replyDelayMs_ = 0;
    QString serialNumber_;
    quint64 generation_ = 1;  // changes with every unplug, so old handles stay dead
    qint64 now_ = 0;
    // The meter works on one request at a time and holds one more; a report
    // of the next request waits until it has started on the one before.
    qint64 busyUntil_ = 0;
    qint64 inputFreeAt_ = 0;
    QQueue<Pending> pending_;
    QList<QByteArray> written_;
};

}  // namespace colorcard
