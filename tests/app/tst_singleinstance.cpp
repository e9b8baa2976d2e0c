// SPDX-License-Identifier: MIT
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

// Two real processes of the program's start-up: the first holds the
// instance, the second must only signal it.
class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    QString uniqueId() const {
        return QStringLiteral("tst-singleinstance-") + QUuid::createUuid().toString(QUuid::Id128);
    }

    // Starts the first instance and waits until its window shows.
    bool startFirst(QProcess& process, const QString& id, QString* title = nullptr,
                    QString* language = nullptr, const QString& data = QString()) {
        process.start(QStringLiteral(INSTANCE_PROBE),
                      {QStringLiteral("first"), id, data.isEmpty() ? data_.path() : data});
        if (!process.waitForStarted(30000))
            return false;
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            while (process.canReadLine()) {
                const QString line = QString::fromUtf8(process.readLine()).trimmed();
                if (line.startsWith(QLatin1String("title ")) && title)
                    *title = line.mid(6);
                if (line.startsWith(QLatin1String("language ")) && language)
                    *language = line.mid(9);
                if (line == QLatin1String("ready"))
                    return true;
            }
            if (process.state() != QProcess::Running)
                return false;
            process.waitForReadyRead(100);
        }
        return false;
    }

    // Runs a second start to its end; its exit code and output.
    int runSecond(const QString& id, QStringList* output) {
        QProcess second;
        second.start(QStringLiteral(INSTANCE_PROBE), {QStringLiteral("second"), id});
        if (!second.waitForFinished(60000)) {
            second.kill();
            second.waitForFinished();
            return -1;
        }
        *output = QString::fromUtf8(second.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    }

    QStringList finish(QProcess& first) {
        if (!first.waitForFinished(30000))
            first.kill();
        first.waitForFinished();
        return QString::fromUtf8(first.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir data_;

private slots:
    // The language chosen before comes back at the next start, and the
    // window and language are written when the program ends.
    void settingsSurviveARestart() {
        QTemporaryDir data;
        const QString path = data.filePath(QStringLiteral("settings.conf"));
        QSettings(path, QSettings::IniFormat).setValue("window/language", "en");
        const QString id = uniqueId();
        QProcess first;
        QString language;
        QVERIFY(startFirst(first, id, nullptr, &language, data.path()));
        QCOMPARE(language, QStringLiteral("en"));
        QStringList second;
        QCOMPARE(runSecond(id, &second), 0);
        finish(first);
        QCOMPARE(first.exitCode(), 0);
        QSettings saved(path, QSettings::IniFormat);
        QCOMPARE(saved.value("window/language").toString(), QStringLiteral("en"));
        QVERIFY(!saved.value("window/geometry").toByteArray().isEmpty());
    }

    void secondStartSignalsTheRunningOne() {
        QVERIFY(data_.isValid());
        const QString id = uniqueId();
        QProcess first;
        QString title;
        QVERIFY(startFirst(first, id, &title));
        QVERIFY2(title.endsWith(QLatin1String(" V1.53")), qPrintable(title));

        QStringList second;
        QCOMPARE(runSecond(id, &second), 0);
        // One information box, no parent, the exact title and text.
        const QStringList expected = {QStringLiteral("prompt kind=0 parent=0"),
                                      QStringLiteral("title Warn"),
                                      QStringLiteral("text Device already opened!")};
        QCOMPARE(second, expected);

        const QStringList seen = finish(first);
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        // It was minimized and behind another window: now restored and active.
        QVERIFY2(seen.contains(QStringLiteral("received active!!!!!")), qPrintable(seen.join('|')));
        QVERIFY2(seen.contains(QStringLiteral("minimized=0 visible=1 active=1")),
                 qPrintable(seen.join('|')));
    }

    // The instance check and the workbook container are no reason to load
    // the toolkit's network module or libgsf at every start.
    void startupLoadsNeitherNetworkNorWorkbookContainer() {
        const QString id = uniqueId();
        QProcess first;
        QVERIFY(startFirst(first, id));
        QFile maps(QStringLiteral("/proc/%1/maps").arg(first.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("Widgets.so"));
        for (const char* library : {"Network.so", "libgsf-1", "colorcard-gsf"})
            QVERIFY2(!mapped.contains(library), library);
        QStringList second;
        QCOMPARE(runSecond(id, &second), 0);
        QVERIFY(finish(first).contains(QStringLiteral("received active!!!!!")));
    }

    void crashedInstanceDoesNotBlockTheNext() {
        const QString id = uniqueId();
        QProcess crashed;
        QVERIFY(startFirst(crashed, id));
        // Killed outright: its lock file and socket stay behind.
        crashed.kill();
        QVERIFY(crashed.waitForFinished(30000));

        QProcess next;
        QVERIFY(startFirst(next, id));
        QStringList second;
        QCOMPARE(runSecond(id, &second), 0);
        QVERIFY(second.contains(QStringLiteral("text Device already opened!")));
        const QStringList seen = finish(next);
        QVERIFY2(seen.contains(QStringLiteral("received active!!!!!")), qPrintable(seen.join('|')));
    }

    void instancesOfAnotherIdAreIndependent() {
        const QString id = uniqueId();
        const QString otherId = uniqueId();
        QProcess first;
        QVERIFY(startFirst(first, id));
        QProcess other;
        // A different id starts as a first instance of its own.
        QVERIFY(startFirst(other, otherId));
        QStringList output;
        QCOMPARE(runSecond(otherId, &output), 0);
        QVERIFY(finish(other).contains(QStringLiteral("received active!!!!!")));
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(runSecond(id, &output), 0);
        QVERIFY(finish(first).contains(QStringLiteral("received active!!!!!")));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
