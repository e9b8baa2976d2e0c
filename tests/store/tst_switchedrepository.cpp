// SPDX-License-Identifier: MIT
// The repository the window's services are built over on a server: every
// call reaches the current target and nothing else; without one, nothing is
// read and every write is refused as unreachable.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "store/LocalStore.h"
#include "store/SwitchedRepository.h"
#include "store/sqlite/SqliteRepository.h"
#include "tests/support/SampleLibraries.h"

using namespace colorcard;

namespace {

const QString kReds = QStringLiteral("ColorCard1260513100000");

// A store file with the sample libraries.
struct SampleFile {
    QTemporaryDir dir;
    LocalStore local{dir.path()};

    SampleFile() {
        local.store().openDatabase();
        addSampleLibraries(local.store());
    }
    QStringList names() {
        QStringList list;
        for (const Library& library : local.repository().libraries().value_or(QVector<Library>()))
            list << library.name;
        return list;
    }
};

using Step = std::function<bool(LibraryRepository&)>;

}  // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(StoreError)

class SwitchedRepositoryTest : public QObject {
    Q_OBJECT

private slots:
    // Not connected: reads give nothing, writes are refused, each with the
    // step that failed and Unreachable as the reason.
    void withoutTarget_data() {
        QTest::addColumn<Step>("step");
        QTest::addColumn<StoreError>("error");
        QTest::newRow("libraries")
            << Step([](LibraryRepository& r) { return r.libraries().has_value(); })
            << StoreError::QueryLibraries;
        QTest::newRow("colours") << Step([](LibraryRepository& r) {
            return r.colours(kReds).has_value();
        }) << StoreError::QueryColors;
        QTest::newRow("begin") << Step([](LibraryRepository& r) { return r.begin(); })
                               << StoreError::Begin;
        QTest::newRow("add library") << Step([](LibraryRepository& r) {
            Library library;
            library.id = kReds;
            return r.addLibrary(library);
        }) << StoreError::InsertLibrary;
        QTest::newRow("rename library") << Step([](LibraryRepository& r) {
            return r.renameLibrary(kReds, QStringLiteral("x"), QString());
        }) << StoreError::RenameLibrary;
        QTest::newRow("remove library")
            << Step([](LibraryRepository& r) { return r.removeLibrary(kReds); })
            << StoreError::DeleteLibrary;
        QTest::newRow("commit") << Step([](LibraryRepository& r) { return r.commit(); })
                                << StoreError::Commit;
    }
    void withoutTarget() {
        QFETCH(Step, step);
        QFETCH(StoreError, error);
        SwitchedRepository none;
        QVERIFY(!step(none));
        QVERIFY(none.failure() == LibraryRepository::Failure::Unreachable);
        QVERIFY(!none.error().isEmpty());
        QVERIFY(none.lastResult().error == error);
        QVERIFY(!none.inTransaction());
        QVERIFY(!none.checkForChanges());
        QVERIFY(!none.localStore());
    }

    // Switched to a store, then to another, then the store goes: calls reach
    // the target of the moment only, and so do its signals.
    void followsTheTarget() {
        SampleFile first, second;
        QVERIFY(second.local.repository().removeLibrary(kReds));
        SwitchedRepository repository;
        QSignalSpy changed(&repository, &LibraryRepository::changed);
        const QDateTime fixed(QDate(2026, 5, 13), QTime(10, 0), Qt::UTC);
        repository.setClock([fixed] { return fixed; });

        repository.setTarget(&first.local.repository());
        QCOMPARE(repository.localStore(), &first.local);
        QCOMPARE(repository.libraries()->size(), 2);
        QVERIFY(repository.failure() == LibraryRepository::Failure::None);
        QVERIFY(repository.begin());
        QVERIFY(repository.renameLibrary(kReds, QStringLiteral("Scarlet"), QString()));
        QVERIFY(repository.commit());
        QCOMPARE(first.names(), (QStringList{"Scarlet", "Blues"}));
        QCOMPARE(changed.count(), 1);
        // The clock given before the target is the target's.
        HistoryEntry entry;
        entry.libraryId = kReds;
        QVERIFY2(repository.addHistory(entry), qPrintable(repository.error()));
        QCOMPARE(entry.time, fixed);
        // The target's own refusal comes through as the target told it.
        QVERIFY(!repository.replaceColourValues(QStringLiteral("ColorCard9"),
                                                QStringLiteral("ColorData9"), QStringList()));
        QCOMPARE(repository.error(), first.local.repository().error());
        QVERIFY(repository.lastResult().error == first.local.repository().lastResult().error);

        repository.setTarget(&second.local.repository());
        QCOMPARE(repository.localStore(), &second.local);
        QVERIFY(repository.error().isEmpty());
        QVERIFY(repository.removeLibrary(QStringLiteral("ColorCard2260513100000")));
        QCOMPARE(second.names(), QStringList());
        QCOMPARE(first.names(), (QStringList{"Scarlet", "Blues"}));
        const int told = changed.count();
        // The first store's commits are no longer this repository's news.
        QVERIFY(first.local.repository().begin());
        QVERIFY(first.local.repository().removeLibrary(kReds));
        QVERIFY(first.local.repository().commit());
        QCOMPARE(changed.count(), told);

        // A target that goes leaves none behind: nothing is written anywhere.
        {
            SampleFile gone;
            repository.setTarget(&gone.local.repository());
            QCOMPARE(repository.libraries()->size(), 2);
        }
        QVERIFY(!repository.target());
        QVERIFY(!repository.removeLibrary(kReds));
        QVERIFY(repository.failure() == LibraryRepository::Failure::Unreachable);
        QCOMPARE(first.names(), QStringList{"Blues"});
    }
};

QTEST_GUILESS_MAIN(SwitchedRepositoryTest)
#include "tst_switchedrepository.moc"
