// SPDX-License-Identifier: MIT
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "server/PgRepository.h"
#include "store/LocalStore.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestServer.h"
#include "workflow/LibraryEdits.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"

using namespace colorcard;

namespace {

const QString kSqlite = QStringLiteral("sqlite");
const QString kServer = QStringLiteral("postgresql");

QStringList values(int seed) {
    QStringList texts;
    for (int i = 0; i < 19; ++i)
        texts << QString::number(seed * 100 + i) + ".00";
    return texts;
}

// The library service on a store of either engine, holding "Reds" (r1, r2)
// made through the service itself, current.
struct Engine {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    Messenger messenger{&prompt};
    std::unique_ptr<LocalStore> file;
    std::unique_ptr<PgRepository> server;
    LibraryRepository* repository = nullptr;
    std::unique_ptr<LibraryService> service;
    std::unique_ptr<LibraryEdits> edits;
    std::unique_ptr<LibraryMerge> merge;
    QString error;

    Engine(const QString& engine, TestServer& testServer) {
        messenger.setLanguage(Language::english());
        if (engine == kSqlite) {
            file = std::make_unique<LocalStore>(dir.path());
            file->store().setClock(fixedTime);
            repository = &file->repository();
        } else {
            error = testServer.clear();
            server = std::make_unique<PgRepository>(testServer.open());
            server->setClock([] { return fixedTime().toUTC(); });
            repository = server.get();
        }
        service = std::make_unique<LibraryService>(messenger, *repository);
        edits = std::make_unique<LibraryEdits>(*service);
        merge = std::make_unique<LibraryMerge>(*service);
        service->setMeterNumber(QStringLiteral("2301"));
        if (!service->open() || !edits->createLibrary(QStringLiteral("Reds"), QStringLiteral("d")))
            error += QStringLiteral("cannot create Reds; ");
        service->selectLibrary(0);
        if (!edits->addColour(QStringLiteral("r1"), values(1)) ||
            !edits->addColour(QStringLiteral("r2"), values(2)))
            error += QStringLiteral("cannot add the colours; ");
        prompt.clear();
    }

    // What the store holds, read back through the repository: each library
    // with its count and meter, its colours with their L* and last value.
    QStringList stored() {
        QStringList lines;
        for (const Library& library : repository->libraries().value_or(QVector<Library>())) {
            QStringList colours;
            for (const Colour& c : repository->colours(library.id).value_or(QVector<Colour>()))
                colours << c.name + '=' + c.text(ColorColumns::LabL) + '/' +
                               c.text(ColorColumns::RgbB);
            lines << QStringList{library.name, library.description, library.count,
                                 library.meterNumber, colours.join(',')}
                         .join('|');
        }
        return lines;
    }
    // What the list shows: the same libraries, names and counts.
    QStringList listed() {
        QStringList lines;
        for (const LibraryEntry& e : service->libraries()) {
            QStringList colours;
            for (const ColourEntry& c : e.colours)
                colours << c.name + '=' + c.L;
            lines << QStringList{e.name, e.description, e.count, colours.join(',')}.join('|');
        }
        return lines;
    }
};

using Workflow = std::function<bool(LibraryEdits&, LibraryMerge&)>;

}  // namespace
Q_DECLARE_METATYPE(Workflow)

// The window's library workflows give the same result on a store file and
// on a server: the same libraries, colours and counts, in the store and in
// the list.
class LibraryEnginesTest : public QObject {
    Q_OBJECT

    TestServer server_{QStringLiteral("colorcard_libraryengines_test")};
    bool serverReady_ = false;

private slots:
    void initTestCase() {
        if (!server_.available()) {
            QVERIFY2(!TestServer::required(),
                     "no test server, and COLORCARD_REQUIRE_SERVER is set");
            qInfo("no PostgreSQL test server: the server's rows skip");
            return;
        }
        const QString error = server_.create();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        serverReady_ = true;
    }

    void workflows_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<Workflow>("workflow");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("expected");
        const QString reds = "Reds|d|2|2301|r1=100.00/118.00,r2=200.00/218.00";
        const struct {
            const char* name;
            Workflow workflow;
            QStringList answers;
            QStringList expected;
        } rows[] = {
            {"create",
             [](LibraryEdits& s, LibraryMerge&) { return s.createLibrary("Greens", "g"); },
             {},
             {reds, "Greens|g|0|2301|"}},
            {"add colour",
             [](LibraryEdits& s, LibraryMerge&) { return s.addColour("r3", values(3)); },
             {},
             {"Reds|d|3|2301|r1=100.00/118.00,r2=200.00/218.00,r3=300.00/318.00"}},
            {"rename library and colour",
             [](LibraryEdits& s, LibraryMerge&) {
                 return s.renameLibrary(0, "Pinks", "p") && s.renameColour(1, "r9");
             },
             {},
             {"Pinks|p|2|2301|r1=100.00/118.00,r9=200.00/218.00"}},
            {"replace values, delete a colour",
             [](LibraryEdits& s, LibraryMerge&) {
                 return s.replaceColourValues(1, values(5)) && s.deleteColour(0);
             },
             {},
             {"Reds|d|1|2301|r2=500.00/518.00"}},
            // One colour replaced, one added, one kept (after the overwrite
            // question); a new library added without a question.
            {"merge",
             [](LibraryEdits&, LibraryMerge& s) {
                 const IncomingLibrary reds{
                     "Reds", "d", {{"r2", values(6)}, {"r4", {"40", "4", "-4"}}}};
                 const IncomingLibrary blues{"Blues", "b", {{"b1", values(7)}}};
                 return s.mergeLibrary(reds, 1) == LibraryMerge::MergeOutcome::Merged &&
                        s.mergeLibrary(blues, 2) == LibraryMerge::MergeOutcome::Merged;
             },
             {"yes"},
             {"Reds|d|3|2301|r1=100.00/118.00,r2=600.00/618.00,r4=40/",
              "Blues|b|1|2301|b1=700.00/718.00"}},
            {"delete library",
             [](LibraryEdits& s, LibraryMerge&) {
                 return s.deleteLibrary(0) && s.library().libraryCount() == 0;
             },
             {},
             {}},
        };
        for (const QString& engine : {kSqlite, kServer})
            for (const auto& row : rows)
                QTest::newRow(qPrintable(engine + ": " + row.name))
                    << engine << row.workflow << row.answers << row.expected;
    }
    void workflows() {
        QFETCH(QString, engine);
        QFETCH(Workflow, workflow);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, expected);
        if (engine == kServer && !serverReady_)
            QSKIP("no test server");
        Engine e(engine, server_);
        QVERIFY2(e.error.isEmpty(), qPrintable(e.error));
        for (const QString& answer : answers)
            e.prompt.answers.enqueue(answer == "yes");

        QVERIFY2(workflow(*e.edits, *e.merge), qPrintable(e.prompt.messages().join('\n')));
        QCOMPARE(e.stored(), expected);
        // The list shows what was stored, without being read again.
        QStringList shown;
        for (const QString& line : expected) {
            QStringList cells = line.split('|');
            cells.removeAt(3);
            QStringList colours = cells.takeLast().split(',', Qt::SkipEmptyParts);
            for (QString& colour : colours)
                colour = colour.section('/', 0, 0);
            shown << (cells + QStringList{colours.join(',')}).join('|');
        }
        QCOMPARE(e.listed(), shown);
        QVERIFY(e.prompt.answers.isEmpty());
    }
};

QTEST_GUILESS_MAIN(LibraryEnginesTest)
#include "tst_libraryengines.moc"
