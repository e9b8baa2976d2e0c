// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMap>
#include <functional>

#include "link/HidBackend.h"

using namespace colorcard;

// A HID backend whose input reports are scripted, with a virtual clock: a
// read waits only by moving the clock. Shared by the link and frame tests.
class ScriptedHidBackend : public HidBackend {
public:
    struct Incoming {
        qint64 at;
        QByteArray report;
    };

    QVector<HidDeviceInfo> devices;
    QMap<QString, OpenError> openErrors;  // paths that refuse to open
    QList<Incoming> incoming;
    QList<QByteArray> written;
    QStringList openedPaths;
    std::function<void(const QByteArray&)> onWrite;  // e.g. queues the reply
    qint64 now = 0;
    int reportLength = 64;
    int writesBeforeFailure = -1;  // >= 0: reports accepted before writes fail
    bool readError = false;
    bool gone = false;

    // One device with the meter's identifiers.
    void addMeter(const QString& path = QStringLiteral("/dev/hidraw0"),
                  const QString& serial = QString(), int interfaceNumber = 0) {
        devices.append({path, 0x2047, 0x0301, serial, interfaceNumber});
    }

    // One report of the full length carrying payload, readable from time at
    // (now when negative).
    void queueReport(const QByteArray& payload, quint8 reportId = 0x3F, qint64 at = -1) {
        QByteArray report(reportLength, '\0');
        report[0] = char(reportId);
        report[1] = char(payload.size());
        report.replace(2, payload.size(), payload);
        incoming.append({at < 0 ? now : at, report});
    }
    // Bytes as the meter sends them: 62 per report.
    void queueBytes(const QByteArray& bytes, qint64 at = -1) {
        for (int i = 0; i < bytes.size(); i += 62)
            queueReport(bytes.mid(i, 62), 0x3F, at);
    }
    // Payload bytes of every written report, concatenated.
    QByteArray writtenPayload() const {
        QByteArray bytes;
        for (const QByteArray& report : written)
            bytes += report.mid(2, quint8(report[1]));
        return bytes;
    }

    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override {
        QVector<HidDeviceInfo> result;
        for (const HidDeviceInfo& device : devices)
            if (device.vendorId == vendorId && device.productId == productId)
                result.append(device);
        return result;
    }

    std::unique_ptr<HidConnection> open(const QString& path, OpenError* error) override {
        bool known = false;
        for (const HidDeviceInfo& device : devices)
            known = known || device.path == path;
        *error = !known ? OpenError::NotFound : openErrors.value(path, OpenError::None);
        if (*error != OpenError::None)
            return nullptr;
        openedPaths.append(path);
        return std::make_unique<Connection>(*this);
    }

    qint64 elapsedMs() override { return now; }
    void waitMs(int ms) override { now += ms; }

private:
    class Connection : public HidConnection {
    public:
        explicit Connection(ScriptedHidBackend& backend) : backend_(backend) {}
        int inputReportLength() const override { return backend_.reportLength; }
        int outputReportLength() const override { return backend_.reportLength; }
        int writeReport(const QByteArray& report, int) override {
            if (backend_.writesBeforeFailure == 0)
                return -1;
            if (backend_.writesBeforeFailure > 0)
                --backend_.writesBeforeFailure;
            backend_.written.append(report);
            if (backend_.onWrite)
                backend_.onWrite(report);
            return report.size();
        }
        int readReport(QByteArray& report, int timeoutMs) override {
            if (backend_.readError)
                return -1;
            QList<Incoming>& queue = backend_.incoming;
            if (!queue.isEmpty() && queue.first().at <= backend_.now + timeoutMs) {
                backend_.now = qMax(backend_.now, queue.first().at);
                report = queue.takeFirst().report;
                return report.size();
            }
            backend_.now += timeoutMs;
            return 0;
        }
        bool isGone() const override { return backend_.gone; }

    private:
        ScriptedHidBackend& backend_;
    };
};
