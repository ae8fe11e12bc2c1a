#include "cli/commands.h"

#include "cli/cliprompter.h"
#include "cli/interchangecommands.h"
#include "cli/recordjson.h"
#include "common/markup.h"
#include "store/agenda.h"
#include "store/phonebook.h"

#include <QJsonDocument>

#include <cstdio>
#include <memory>

namespace {

void Out(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
}

} // namespace

const std::vector<CliCommand> &CliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"info", "FILE", 1, 1, RunInfo, "slots, used slots, users, compressed or not, format version"},
        {"dump", "FILE", 1, 1, RunDump, "one JSON object per used slot"},
        {"resave", "FILE", 1, 1, RunResave, "load and save back as the editor's Save does"},
        {"check", "FILE", 1, 1, RunCheck, "list what the head unit may not accept, record by record"},
        {"export-vcf", "FILE RECORD OUT.vcf", 3, 3, RunExportVcf, "write a record as a vCard"},
        {"import-vcf", "FILE RECORD IN.vcf", 3, 3, RunImportVcf, "read a vCard onto a record"},
        {"insert-vcf", "FILE USER IN.vcf...", 3, -1, RunInsertVcf, "add every card of vCard files as new records of a user"},
        {"export-vcards", "FILE OUT.vcf [RECORD...]", 2, -1, RunExportVcards, "write records (default: all contacts) as the cards of one vCard file"},
        {"export-csv", "FILE OUT.csv [RECORD...]", 2, -1, RunExportCsv, "write records (default: all) as CSV (this program's, or --format google)"},
        {"insert-csv", "FILE USER IN.csv", 3, 3, RunInsertCsv, "add the rows of a CSV file (this program's, Google, Outlook, Thunderbird...) as new records of a user"},
        {"tidy-phones", "FILE [RECORD...]", 1, -1, RunTidyPhones, "write phone numbers (default: of all contacts) in one form"},
    };
    return commands;
}

const std::vector<CliOption> &CliOptions()
{
    static const std::vector<CliOption> options = {
        {"--keep-long", "keep texts longer than a field allows (insert-vcf, import-vcf: and name them)", nullptr, &CliArgs::keepLong},
        {"--shorten", "cut texts longer than the unit allows to its limits (the default)", "insert-vcf insert-csv", &CliArgs::shorten},
        {"--skip-duplicates", "leave out cards that look like a record of the user", "insert-vcf insert-csv", &CliArgs::skipDuplicates},
        {"--map", "place columns by name: \"COLUMN=FIELD,...\"; FIELD is label, given, middle, family, organisation, note, "
                  "street, number, zip, city, country, gps, phone, phone:cell, phone:home, phone:work, phone:fax, email, "
                  "email:home, email:work or ignore", "insert-csv", nullptr, &CliArgs::map, "MAPPING"},
        {"--any-version", "open a phonebook of a format version this program does not know (it is saved as version 80)", nullptr, &CliArgs::anyVersion},
        {"--region", "read numbers without a country code as numbers of region XX", "check insert-vcf insert-csv tidy-phones",
         nullptr, &CliArgs::region, "XX"},
        {"--phones", "write inserted phone numbers international, e164, national or as-is", "insert-vcf insert-csv",
         nullptr, &CliArgs::phones, "FORM"},
        {"--format", "tidy-phones: the form, international (default), e164 or national; export-csv: google for the "
                     "layout of Google Contacts (default: this program's)", "tidy-phones export-csv", nullptr,
         &CliArgs::format, "FORM"},
        {"--dry-run", "print what would change, change nothing", "tidy-phones", &CliArgs::dryRun},
    };
    return options;
}

bool CliLoad(Phonebook &book, const QString &path, Prompter &prompter, const CliArgs &args)
{
    const LoadResult loaded =
        book.Load(path, prompter, args.anyVersion ? Agenda::UnknownVersion::Accept : Agenda::UnknownVersion::Refuse);
    if (loaded)
        return true;
    prompter.InformationDetail(QStringLiteral("Error loading file : ") + MarkupEscape(MessagePath(path)), loaded.reason);
    return false;
}

bool CliSave(Phonebook &book, const QString &path, Prompter &prompter)
{
    const WriteResult saved = book.Save(path, prompter);
    if (!saved)
        prompter.InformationDetail(QStringLiteral("Error saving file : ") + MarkupEscape(MessagePath(path)),
                                   saved.reason);
    return saved.ok;
}

int RunInfo(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    const Agenda *agenda = &book.Data();
    if (!CliLoad(book, args.positional.at(0), prompter, args))
        return kCliFailed;
    Out("slots: " + QByteArray::number(agenda->slotCount));
    Out("used: " + QByteArray::number(agenda->usedCount));
    Out("users: " + QByteArray::number(agenda->userCount));
    Out(QByteArray("compressed: ") + (agenda->compressed ? "yes" : "no"));
    Out("version: " + QByteArray::number(agenda->version));
    return kCliOk;
}

int RunDump(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    const Agenda *agenda = &book.Data();
    if (!CliLoad(book, args.positional.at(0), prompter, args))
        return kCliFailed;
    for (int i = 0; i < agenda->slotCount; ++i)
        if (const AgendaRecord *r = agenda->RecordAt(i))
            Out(QJsonDocument(RecordToJson(i, *r)).toJson(QJsonDocument::Compact));
    return kCliOk;
}

int RunResave(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    const QString path = args.positional.at(0);
    if (!CliLoad(book, path, prompter, args))
        return kCliFailed;
    return CliSave(book, path, prompter) ? kCliOk : kCliFailed;
}
