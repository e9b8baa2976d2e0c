// SPDX-License-Identifier: MIT
// The server's copies of libraries: listed newest first, a removed library
// brought back whole, a library stored under the same ID copied before it is
// replaced, a library's tolerance kept with it, an operator refused; and the
// command line's backups and restore.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "server/PgRepository.h"
#include "server/ServerBackups.h"
#include "tests/server/ServerCli.h"
#include "tests/support/TestServer.h"

using namespace colorcard;

namespace {

const QString kReds = QStringLiteral("ColorCard1260513100000");
const QString kBlues = QStringLiteral("ColorCard2260513100000");

Library library(const QString& id, const QString& name, int colours) {
    Library l;
    l.id = id;
    l.meterNumber = QStringLiteral("CM-1");
    l.name = name;
    l.description = QStringLiteral("lab");
    for (int n = 1; n <= colours; ++n) {
        QStringList values;
        for (int v = 0; v < ColorColumns::ValueCount; ++v)
            values << QString::number(n * 100 + v);
        Colour c = Colour::fromValues(QStringLiteral("%1 %2").arg(name).arg(n), values);
        c.id = QStringLiteral("ColorData%1260513100000").arg(n);
        l.colours << c;
    }
    return l;
}

// Names and every value of a library's colours, in order.
QStringList contentOf(LibraryRepository& repository, const QString& id) {
    QStringList content;
    const QVector<Colour> colours = repository.colours(id, false).value_or(QVector<Colour>());
    for (const Colour& c : colours)
        content << c.name + QLatin1Char('=') + c.values().join(QLatin1Char(','));
    return content;
}

}  // namespace

class ServerBackupsTest : public QObject {
    Q_OBJECT

    TestServer server_{QStringLiteral("colorcard_backups_server")};

private slots:
    void initTestCase() {
        if (!server_.available()) {
            QVERIFY2(!TestServer::required(),
                     "no test server, and COLORCARD_REQUIRE_SERVER is set");
            QSKIP("no PostgreSQL server for the tests (apt-get install postgresql)");
        }
        const QString error = server_.create();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void init() { QCOMPARE(server_.clear(), QString()); }

    // A removed library comes back with its name, description, meter and
    // every colour value as they were; the copy stays listed.
    void removedLibraryComesBackWhole() {
        QSqlDatabase db = server_.open(QStringLiteral("supervisor"));
        PgRepository bench(db);
        Library reds = library(kReds, QStringLiteral("Reds"), 3);
        QVERIFY2(bench.addLibrary(reds), qPrintable(bench.error()));
        const QStringList before = contentOf(bench, kReds);
        QVERIFY(bench.removeLibrary(kReds));
        QVERIFY(!bench.library(kReds)->isStored());

        QString error;
        const auto copies = ServerBackups::list(db, kReds, &error);
        QVERIFY2(copies, qPrintable(error));
        QCOMPARE(copies->size(), 1);
        const LibraryBackup copy = copies->first();
        QCOMPARE(copy.name, QStringLiteral("Reds"));
        QCOMPARE(copy.description, QStringLiteral("lab"));
        QCOMPARE(copy.colours, 3);
        QCOMPARE(copy.takenBy, QStringLiteral("supervisor"));
        QCOMPARE(copy.cause, QStringLiteral("remove"));

        const ServerBackups::Restored restored = ServerBackups::restore(db, copy.id);
        QVERIFY2(restored.ok, qPrintable(restored.error));
        const Library back = *bench.library(kReds);
        QCOMPARE(back.name, QStringLiteral("Reds"));
        QCOMPARE(back.description, QStringLiteral("lab"));
        QCOMPARE(back.meterNumber, QStringLiteral("CM-1"));
        QCOMPARE(back.count, QStringLiteral("3"));
        QCOMPARE(contentOf(bench, kReds), before);
    }

    // Restoring over a library stored under the same ID copies that one
    // first, so the restore itself can be undone.
    void libraryReplacedIsCopiedFirst() {
        QSqlDatabase db = server_.open(QStringLiteral("supervisor"));
        PgRepository bench(db);
        Library old = library(kReds, QStringLiteral("Reds"), 2);
        QVERIFY(bench.addLibrary(old));
        QVERIFY(bench.removeLibrary(kReds));
        Library now = library(kReds, QStringLiteral("Reds new"), 4);
        QVERIFY(bench.addLibrary(now));
        const QStringList newer = contentOf(bench, kReds);

        QString error;
        const qint64 oldCopy = ServerBackups::list(db, kReds, &error)->first().id;
        QVERIFY(ServerBackups::restore(db, oldCopy).ok);
        QCOMPARE(bench.library(kReds)->name, QStringLiteral("Reds"));
        QCOMPARE(bench.colours(kReds)->size(), 2);

        const auto copies = *ServerBackups::list(db, kReds, &error);
        QCOMPARE(copies.size(), 2);
        QCOMPARE(copies.first().cause, QStringLiteral("restore"));
        QCOMPARE(copies.first().name, QStringLiteral("Reds new"));
        QVERIFY(ServerBackups::restore(db, copies.first().id).ok);
        QCOMPARE(contentOf(bench, kReds), newer);
    }

    // A copy keeps the library's tolerance: restoring it brings that
    // tolerance back over the one set since, or the default when the library
    // had none of its own; the copy the restore takes keeps the newer one.
    void toleranceComesBack_data() {
        QTest::addColumn<bool>("ownTolerance");
        QTest::newRow("own tolerance") << true;
        QTest::newRow("default tolerance") << false;
    }
    void toleranceComesBack() {
        QFETCH(bool, ownTolerance);
        QSqlDatabase db = server_.open(QStringLiteral("supervisor"));
        PgRepository bench(db);
        Library reds = library(kReds, QStringLiteral("Reds"), 2);
        QVERIFY(bench.addLibrary(reds));
        const Tolerance defaultTolerance = *bench.tolerance(kReds);
        const Tolerance copied{DifferenceMethod::cmc(2, 1), 1.5};
        const Tolerance later{DifferenceMethod::ciede2000(1, 1.2, 0.9), 0.7};
        QVERIFY(copied != defaultTolerance && later != defaultTolerance);
        if (ownTolerance)
            QVERIFY2(bench.setTolerance(kReds, copied), qPrintable(bench.error()));
        const Tolerance expected = ownTolerance ? copied : defaultTolerance;
        QVERIFY(bench.removeLibrary(kReds));
        QVERIFY(bench.addLibrary(reds));
        QVERIFY(bench.setTolerance(kReds, later));
        QCOMPARE(*bench.tolerance(kReds), later);

        QString error;
        const qint64 copy = ServerBackups::list(db, kReds, &error)->first().id;
        const ServerBackups::Restored restored = ServerBackups::restore(db, copy);
        QVERIFY2(restored.ok, qPrintable(restored.error));
        QCOMPARE(*bench.tolerance(kReds), expected);

        const LibraryBackup undo = ServerBackups::list(db, kReds, &error)->first();
        QCOMPARE(undo.cause, QStringLiteral("restore"));
        QVERIFY(ServerBackups::restore(db, undo.id).ok);
        QCOMPARE(*bench.tolerance(kReds), later);
    }

    // Newest first, of one library or of all, at most the limit asked.
    void listedNewestFirst() {
        QSqlDatabase db = server_.open(QStringLiteral("supervisor"));
        PgRepository bench(db);
        for (const QString& id : {kReds, kBlues, kReds}) {
            Library l =
                library(id, id == kReds ? QStringLiteral("Reds") : QStringLiteral("Blues"), 1);
            QVERIFY(bench.addLibrary(l));
            QVERIFY(bench.removeLibrary(id));
        }
        QString error;
        const auto all = *ServerBackups::list(db, QString(), &error);
        QCOMPARE(all.size(), 3);
        QVERIFY(all.at(0).id > all.at(1).id && all.at(1).id > all.at(2).id);
        QCOMPARE(all.at(1).libraryId, kBlues);
        QCOMPARE(ServerBackups::list(db, kReds, &error)->size(), 2);
        QCOMPARE(ServerBackups::list(db, QString(), &error, 1)->size(), 1);
    }

    // What the server refuses leaves everything as it was.
    void refusals_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("failure");
        QTest::newRow("operator") << "operator" << true << int(LibraryRepository::Failure::Denied);
        QTest::newRow("no such backup")
            << "supervisor" << false << int(LibraryRepository::Failure::Stale);
    }
    void refusals() {
        QFETCH(QString, login);
        QFETCH(bool, existing);
        QFETCH(int, failure);
        QSqlDatabase owner = server_.open(QStringLiteral("supervisor"));
        PgRepository bench(owner);
        Library reds = library(kReds, QStringLiteral("Reds"), 2);
        QVERIFY(bench.addLibrary(reds));
        QVERIFY(bench.removeLibrary(kReds));
        QString error;
        const qint64 id = ServerBackups::list(owner, kReds, &error)->first().id;

        QSqlDatabase db = server_.open(login);
        const ServerBackups::Restored restored =
            ServerBackups::restore(db, existing ? id : id + 1000);
        QVERIFY(!restored.ok);
        QCOMPARE(int(restored.failure), failure);
        QVERIFY(!bench.library(kReds)->isStored());
        QCOMPARE(ServerBackups::list(owner, QString(), &error)->size(), 1);
    }

    // The command line lists the copies and restores one by its ID.
    void commandLine() {
        QSqlDatabase db = server_.open(QStringLiteral("supervisor"));
        PgRepository bench(db);
        Library reds = library(kReds, QStringLiteral("Reds"), 3);
        QVERIFY(bench.addLibrary(reds));
        QVERIFY(bench.removeLibrary(kReds));
        const QString supervisor = server_.address(QStringLiteral("supervisor"));
        const QString operatorLogin = server_.address(QStringLiteral("operator"));

        const Cli listed = runCli({QStringLiteral("backups"), QStringLiteral("--json"),
                                   QStringLiteral("--database"), operatorLogin});
        QCOMPARE(listed.status, 0);
        const QJsonArray rows = QJsonDocument::fromJson(listed.out.toUtf8()).array();
        QCOMPARE(rows.size(), 1);
        const QJsonObject row = rows.first().toObject();
        QCOMPARE(row.value(QStringLiteral("library")).toString(), kReds);
        QCOMPARE(row.value(QStringLiteral("colours")).toInt(), 3);
        const QString id = QString::number(qint64(row.value(QStringLiteral("id")).toDouble()));

        const Cli denied =
            runCli({QStringLiteral("restore"), id, QStringLiteral("--database"), operatorLogin});
        QCOMPARE(denied.status, 1);
        QVERIFY2(denied.err.contains(QStringLiteral("your role may not")), qPrintable(denied.err));
        QVERIFY(!bench.library(kReds)->isStored());

        const Cli restored =
            runCli({QStringLiteral("restore"), id, QStringLiteral("--database"), supervisor});
        QCOMPARE(restored.status, 0);
        QCOMPARE(restored.out.trimmed(),
                 QStringLiteral("Restored the library Reds (3 colors) from the server's backup %1.")
                     .arg(id));
        QCOMPARE(bench.colours(kReds)->size(), 3);

        const Cli missing = runCli({QStringLiteral("restore"), QStringLiteral("987654"),
                                    QStringLiteral("--database"), supervisor});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains(QStringLiteral("no backup 987654")));
        const Cli onFile = runCli({QStringLiteral("restore"), id, QStringLiteral("--database"),
                                   QStringLiteral("/tmp/x.db")});
        QCOMPARE(onFile.status, 2);
        const Cli notNumber = runCli({QStringLiteral("restore"), QStringLiteral("abc"),
                                      QStringLiteral("--database"), supervisor});
        QCOMPARE(notNumber.status, 2);
    }
};

QTEST_GUILESS_MAIN(ServerBackupsTest)
#include "tst_serverbackups.moc"
