// SPDX-License-Identifier: MIT
// export and import: the window's own workflows (SpreadsheetSave,
// OpenFormatExport, SpreadsheetImport, OpenFormatImport) on the store, with
// the command line's prompt answering what the window would ask.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <cstdio>

#include "cli/CliPrompt.h"
#include "cli/Commands.h"
#include "exchange/ExchangeWorkbook.h"
#include "store/DataFiles.h"
#include "texts/CliTexts.h"
#include "texts/ExchangeTexts.h"
#include "texts/LibraryFileTexts.h"
#include "workflow/FormatSettings.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"
#include "workflow/Limits.h"
#include "workflow/OpenFormatExport.h"
#include "workflow/OpenFormatImport.h"
#include "workflow/Session.h"
#include "workflow/SpreadsheetImport.h"
#include "workflow/SpreadsheetSave.h"
#include "xls/EngineWorkbookFile.h"

namespace colorcard {

namespace {

// The type of a file: the exchange workbook or an open format.
struct FileType {
    bool workbook = false;
    OpenFormat format = OpenFormat::Unknown;

    // As --format names it.
    QString name() const {
        return workbook ? QStringLiteral("xls")
                        : OpenFormats::suffix(format).replace(QLatin1String("txt"),
                                                              QLatin1String("cgats"));
    }
};

// --format, else the file's suffix; a usage error when neither tells.
bool fileType(CliContext& cli, const QString& option, const QString& file, FileType& type) {
    const QString given = option.isEmpty() ? QFileInfo(file).suffix().toLower() : option.toLower();
    type.workbook = given == QLatin1String("xls");
    type.format = option.isEmpty() ? OpenFormats::forFile(file) : OpenFormats::fromName(option);
    if (type.workbook || type.format != OpenFormat::Unknown)
        return true;
    if (option.isEmpty())
        cli.fail(LibraryFileText::FormatNotKnown.in(cli.language()).arg(file), ExitUsage);
    else
        cli.fail(LibraryFileText::UnknownFormat.in(cli.language()).arg(option), ExitUsage);
    return false;
}

// An option that only some types take.
bool optionFits(CliContext& cli, const QCommandLineParser& parser, const QString& option, bool fits,
                const FileType& type) {
    if (fits || !parser.isSet(option))
        return true;
    cli.fail(LibraryFileText::OptionNotForFormat.in(cli.language()).arg(option, type.name()),
             ExitUsage);
    return false;
}

// The window's session on the store of --database: no meter link.
Session::Setup setupFor(Prompt* prompt, const QString& path) {
    Session::Setup setup;
    setup.prompt = prompt;
    setup.dataDirectory = QFileInfo(path).absolutePath();
    return setup;
}

// The library service of the window on the store of --database, listing
// every stored library, with the command line's prompt.
struct CliSession {
    CliPrompt prompt;
    Session session;
    Messenger& messenger;
    LibraryService& library;
    QVector<Library> records;

    CliSession(CliContext& cli, const QString& path)
        : prompt(cli.language()),
          session(setupFor(&prompt, path)),
          messenger(session.messenger()),
          library(session.library()) {
        messenger.setLanguage(cli.language());
        session.localStore().store().setDatabasePath(path);
    }

    // Opens the store (creating it when asked) and lists its libraries.
    bool open() {
        if (!library.open())
            return false;
        records = library.storedLibraries();
        if (library.lastReadFailed())
            return false;
        library.showStoredLibraries(records);
        return true;
    }

    // The meter the stored libraries belong to ("" for an empty store).
    QString storedMeter() const {
        return records.isEmpty() ? QString() : records.first().meterNumber;
    }

    // --max-libraries, else 9, or 46 when more than 9 libraries are stored.
    bool setMaxLibraries(CliContext& cli, const QString& option) {
        int maximum = records.size() > Limits::MeterLibraries ? Limits::NewerMeterLibraries
                                                              : Limits::MeterLibraries;
        if (!option.isEmpty()) {
            bool ok = false;
            maximum = option.toInt(&ok);
            if (!ok ||
                (maximum != Limits::MeterLibraries && maximum != Limits::NewerMeterLibraries)) {
                cli.fail(LibraryFileText::BadMaxLibraries, ExitUsage);
                return false;
            }
        }
        library.setMaxLibraries(maximum);
        return true;
    }
};

// The identifier of the library named by --library (its identifier or name).
bool libraryId(CliContext& cli, const CliSession& session, const QString& wanted, QString& id) {
    QStringList named;
    for (const Library& record : session.records) {
        if (record.id == wanted) {
            id = wanted;
            return true;
        }
        if (record.name == wanted)
            named << record.id;
    }
    if (named.size() == 1) {
        id = named.first();
        return true;
    }
    if (named.isEmpty())
        cli.fail(CliText::NoLibrary.in(cli.language()).arg(wanted));
    else
        cli.fail(CliText::AmbiguousLibrary.in(cli.language()).arg(wanted).arg(named.size()));
    return false;
}

// The CxF3 and CSV settings of the user, with the command's overrides.
bool writeOptions(CliContext& cli, const QCommandLineParser& parser, FormatWriteOptions& options) {
    options = FormatSettings::load();
    if (parser.isSet(QStringLiteral("illuminant"))) {
        options.illuminant = FormatSettings::illuminant(parser.value(QStringLiteral("illuminant")));
        if (options.illuminant.isEmpty()) {
            cli.fail(LibraryFileText::BadIlluminant.in(cli.language())
                         .arg(parser.value(QStringLiteral("illuminant")),
                              FormatSettings::illuminants().join(QStringLiteral(", "))),
                     ExitUsage);
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("observer"))) {
        options.observer = FormatSettings::observer(parser.value(QStringLiteral("observer")));
        if (options.observer.isEmpty()) {
            cli.fail(LibraryFileText::BadObserver, ExitUsage);
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("bom")) && parser.isSet(QStringLiteral("no-bom"))) {
        cli.fail(LibraryFileText::ExclusiveOptions.in(cli.language()).arg("bom", "no-bom"),
                 ExitUsage);
        return false;
    }
    if (parser.isSet(QStringLiteral("bom")))
        options.byteOrderMark = true;
    if (parser.isSet(QStringLiteral("no-bom")))
        options.byteOrderMark = false;
    return true;
}

// The workbook is written beside the file under a name of its own and moved
// over the file only when it is complete: a failed save leaves no part of a
// workbook behind, and a replaced file is never half written.
int saveWorkbook(CliSession& session, const QString& file) {
    QString partial;
    {
        QTemporaryFile reserve(QFileInfo(file).absoluteDir().filePath(
            QStringLiteral(".%1.XXXXXX.xls").arg(QFileInfo(file).fileName())));
        if (!reserve.open()) {
            session.messenger.tip(ExchangeText::CreateFileFailed);
            return ExitFailure;
        }
        partial = reserve.fileName();
    }
    // The template workbooks where the window finds them.
    SpreadsheetSave save(session.library, DataFiles::templateDirectory());
    const bool saved = save.prepare() && save.writeTo(partial);
    if (saved && std::rename(QFile::encodeName(partial).constData(),
                             QFile::encodeName(file).constData()) == 0)
        return ExitSuccess;
    QFile::remove(partial);
    if (saved)
        session.messenger.tip(ExchangeText::CreateFileFailed);
    return ExitFailure;
}

// "wrote FILE: N libraries, M colours" for the libraries of these
// identifiers (every one when none is given), as the store lists them.
void printWritten(CliContext& cli, const CliSession& session, const QString& file,
                  const QStringList& ids) {
    int libraries = 0;
    int colours = 0;
    // The listed counts: the store counts them from the rows.
    for (int row = 0; row < session.library.libraryCount(); ++row) {
        const LibraryEntry& entry = session.library.listedLibrary(row);
        if (ids.isEmpty() || ids.contains(entry.id)) {
            ++libraries;
            colours += entry.count.toInt();
        }
    }
    cli.out() << LibraryFileText::FileWritten.in(cli.language())
                     .arg(QDir::toNativeSeparators(file))
                     .arg(libraries)
                     .arg(colours)
              << '\n';
    cli.out().flush();
}

// What the merge did, as two lines or as one JSON object.
void printMerged(CliContext& cli, const LibraryMerge::MergeCounts& counts, bool json) {
    if (json) {
        const auto group = [](int added, int replaced, int kept) {
            return QJsonObject{{QStringLiteral("added"), added},
                               {QStringLiteral("replaced"), replaced},
                               {QStringLiteral("kept"), kept}};
        };
        const QJsonObject object{
            {QStringLiteral("libraries"),
             group(counts.librariesAdded, counts.librariesReplaced, counts.librariesKept)},
            {QStringLiteral("colours"),
             group(counts.coloursAdded, counts.coloursReplaced, counts.coloursKept)}};
        cli.out() << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact))
                  << '\n';
    } else {
        const Language language = cli.language();
        cli.out() << LibraryFileText::LibrariesMerged.in(language)
                         .arg(counts.librariesAdded)
                         .arg(counts.librariesReplaced)
                         .arg(counts.librariesKept)
                  << '\n'
                  << LibraryFileText::ColoursMerged.in(language)
                         .arg(counts.coloursAdded)
                         .arg(counts.coloursReplaced)
                         .arg(counts.coloursKept)
                  << '\n';
    }
    cli.out().flush();
}

}  // namespace

int runExport(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("format"), LibraryFileText::FormatOption.in(language), QStringLiteral("F")},
        {QStringLiteral("library"), LibraryFileText::LibraryOption.in(language),
         QStringLiteral("NAME")},
        {QStringLiteral("overwrite"), LibraryFileText::ReplaceOption.in(language)},
        {QStringLiteral("meter"), LibraryFileText::MeterOption.in(language),
         QStringLiteral("NUMBER")},
        {QStringLiteral("max-libraries"), LibraryFileText::MaxLibrariesOption.in(language),
         QStringLiteral("N")},
        {QStringLiteral("illuminant"), LibraryFileText::IlluminantOption.in(language),
         QStringLiteral("NAME")},
        {QStringLiteral("observer"), LibraryFileText::ObserverOption.in(language),
         QStringLiteral("DEGREES")},
        {QStringLiteral("bom"), LibraryFileText::BomOption.in(language)},
        {QStringLiteral("no-bom"), LibraryFileText::NoBomOption.in(language)},
    });
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 LibraryFileText::ExportFileArgument.in(language));
    if (!cli.parse(parser, LibraryFileText::ExportSummary, 1, 1, QStringLiteral("FILE")))
        return cli.exitCode();
    const QString file = parser.positionalArguments().first();
    FileType type;
    if (!fileType(cli, parser.value(QStringLiteral("format")), file, type))
        return cli.exitCode();
    const bool cxf = type.format == OpenFormat::Cxf;
    const bool csv = type.format == OpenFormat::Csv;
    for (const auto& [option, fits] : {std::pair<const char*, bool>{"library", !type.workbook},
                                       {"meter", type.workbook},
                                       {"max-libraries", type.workbook},
                                       {"illuminant", cxf},
                                       {"observer", cxf},
                                       {"bom", csv},
                                       {"no-bom", csv}})
        if (!optionFits(cli, parser, QString::fromLatin1(option), fits, type))
            return cli.exitCode();
    FormatWriteOptions options;
    if (!type.workbook && !writeOptions(cli, parser, options))
        return cli.exitCode();

    const QString database = cli.databasePath();
    if (!QFileInfo(database).isFile())
        return cli.fail(CliText::NoDatabase.in(language).arg(QDir::toNativeSeparators(database)));
    if (QFileInfo::exists(file) && !parser.isSet(QStringLiteral("overwrite")))
        return cli.fail(
            LibraryFileText::FileExists.in(language).arg(QDir::toNativeSeparators(file)));

    // Asked only whether to save a library without colours: the command
    // asked for every one.
    CliSession session(cli, database);
    session.prompt.setAnswer(CliPrompt::Answer::Yes);
    if (!session.open())
        return ExitFailure;
    if (type.workbook) {
        const QString meter = parser.value(QStringLiteral("meter"));
        session.library.setMeterNumber(meter.isEmpty() ? session.storedMeter() : meter);
        if (!session.setMaxLibraries(cli, parser.value(QStringLiteral("max-libraries"))))
            return cli.exitCode();
        const int status = saveWorkbook(session, file);
        if (status == ExitSuccess)
            printWritten(cli, session, file, {});
        return status;
    }
    QStringList ids;
    if (parser.isSet(QStringLiteral("library"))) {
        QString id;
        if (!libraryId(cli, session, parser.value(QStringLiteral("library")), id))
            return cli.exitCode();
        ids << id;
    }
    if (!OpenFormatExport(session.library, options).exportLibraries(file, type.format, ids))
        return ExitFailure;
    printWritten(cli, session, file, ids);
    return ExitSuccess;
}

int runImport(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("format"), LibraryFileText::FormatOption.in(language), QStringLiteral("F")},
        {QStringLiteral("overwrite"), LibraryFileText::OverwriteOption.in(language)},
        {QStringLiteral("skip-existing"), LibraryFileText::SkipExistingOption.in(language)},
        {QStringLiteral("json"), LibraryFileText::ImportJsonOption.in(language)},
        {QStringLiteral("meter"), LibraryFileText::MeterOption.in(language),
         QStringLiteral("NUMBER")},
        {QStringLiteral("max-libraries"), LibraryFileText::MaxLibrariesOption.in(language),
         QStringLiteral("N")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 LibraryFileText::ImportFileArgument.in(language));
    if (!cli.parse(parser, LibraryFileText::ImportSummary, 1, 1, QStringLiteral("FILE")))
        return cli.exitCode();
    const QString file = parser.positionalArguments().first();
    FileType type;
    if (!fileType(cli, parser.value(QStringLiteral("format")), file, type))
        return cli.exitCode();
    const bool overwrite = parser.isSet(QStringLiteral("overwrite"));
    const bool skip = parser.isSet(QStringLiteral("skip-existing"));
    if (overwrite && skip)
        return cli.fail(
            LibraryFileText::ExclusiveOptions.in(language).arg("overwrite", "skip-existing"),
            ExitUsage);

    CliSession session(cli, cli.databasePath());
    if (!session.open())
        return ExitFailure;
    if (!session.setMaxLibraries(cli, parser.value(QStringLiteral("max-libraries"))))
        return cli.exitCode();
    // The libraries belong to the meter of those stored. Into an empty store
    // a workbook brings its own meter, whose number it carries.
    QString meter = parser.value(QStringLiteral("meter"));
    if (meter.isEmpty())
        meter = session.storedMeter();
    if (meter.isEmpty() && session.records.isEmpty() && type.workbook) {
        std::unique_ptr<WorkbookFile> workbook = EngineWorkbookFile::create(file);
        if (workbook->open(1)) {
            meter = ExchangeWorkbook::cellText(workbook->readAll().value(0).value(0));
            workbook->close();
        }
    }
    session.library.setMeterNumber(meter);

    // Everything is read and checked before the first change, and so is the
    // answer for libraries that exist already.
    SpreadsheetImport workbookImport(session.session.merge());
    OpenFormatImport formatImport(session.session.merge());
    const bool read =
        type.workbook ? workbookImport.read(file) : formatImport.read(file, type.format);
    if (!read)
        return ExitFailure;
    QStringList existing;
    for (const IncomingLibrary& incoming :
         type.workbook ? workbookImport.libraries() : formatImport.libraries())
        if (session.library.rowOf(incoming.key()) >= 0)
            existing << (incoming.description.isEmpty()
                             ? incoming.name
                             : QStringLiteral("%1 (%2)").arg(incoming.name, incoming.description));
    if (!existing.isEmpty() && !overwrite && !skip)
        return cli.fail(
            LibraryFileText::LibrariesExist.in(language).arg(existing.join(QStringLiteral(", "))));
    if (overwrite || skip)
        session.prompt.setAnswer(overwrite ? CliPrompt::Answer::Yes : CliPrompt::Answer::No);
    const bool merged = type.workbook ? workbookImport.merge() : formatImport.merge();
    // Also after a stop: the libraries before it stay merged.
    printMerged(cli, session.session.merge().mergeCounts(), parser.isSet(QStringLiteral("json")));
    return merged && !session.prompt.refused() ? ExitSuccess : ExitFailure;
}

}  // namespace colorcard
