#include "cli/interchangecommands.h"

#include "cli/output.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "formats/importreview.h"
#include "formats/interchange.h"
#include "formats/vcardimport.h"
#include "store/agenda.h"
#include "store/phonebook.h"

#include <cstdio>
#include <memory>

namespace {

// Texts of the command-line checks (the exchange itself reports with the window's texts).
constexpr char kBadRecord[] = "Not a record number : ";
constexpr char kBadUser[] = "Not a user number (1-4) : ";
constexpr char kNoRecord[] = "No record in use with number ";
constexpr char kNoUser[] = "The phonebook has no user ";

// A positive decimal number, or 0.
int ParseNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    return ok && n > 0 ? n : 0;
}

bool ParseRecord(const QString &text, int &slot, Prompter &prompter)
{
    const int n = ParseNumber(text);
    if (n == 0) {
        prompter.Information(QLatin1String(kBadRecord) + MarkupEscape(text));
        return false;
    }
    slot = n - 1;
    return true;
}

bool ParseUser(const QString &text, uint32_t &user, Prompter &prompter)
{
    const int n = ParseNumber(text);
    if (n < 1 || n > Agenda::kMaxUsers) {
        prompter.Information(QLatin1String(kBadUser) + MarkupEscape(text));
        return false;
    }
    user = uint32_t(n);
    return true;
}

bool CheckRecord(const Agenda &agenda, int slot, Prompter &prompter)
{
    if (agenda.RecordAt(slot))
        return true;
    prompter.Information(QLatin1String(kNoRecord) + QString::number(slot + 1));
    return false;
}

bool CheckUser(const Agenda &agenda, uint32_t user, Prompter &prompter)
{
    if (int(user) <= agenda.userCount)
        return true;
    prompter.Information(QLatin1String(kNoUser) + QString::number(user));
    return false;
}

// The phonebook (first argument) of a command on one record (second argument, the record
// number): kCliOk, or the status the command ends with.
int LoadForRecord(const CliArgs &args, Phonebook &book, int &slot, Prompter &prompter)
{
    if (!ParseRecord(args.positional.at(1), slot, prompter))
        return kCliUsage;
    if (!CliLoad(book, args.positional.at(0), prompter))
        return kCliFailed;
    return CheckRecord(book.Data(), slot, prompter) ? kCliOk : kCliUsage;
}

// The same for a command on one user (second argument, the user number).
int LoadForUser(const CliArgs &args, Phonebook &book, uint32_t &user, Prompter &prompter)
{
    if (!ParseUser(args.positional.at(1), user, prompter))
        return kCliUsage;
    if (!CliLoad(book, args.positional.at(0), prompter))
        return kCliFailed;
    return CheckUser(book.Data(), user, prompter) ? kCliOk : kCliUsage;
}

// The phonebook (first argument) and the records (third argument on) of an export: kCliOk,
// or the status the command ends with. Without records, every used slot in slot order
// (the users' own slots only `withUsers`).
int LoadForRecords(const CliArgs &args, Phonebook &book, QList<int> &slotList, bool withUsers, Prompter &prompter)
{
    for (int i = 2; i < args.positional.size(); ++i) {
        int slot = 0;
        if (!ParseRecord(args.positional.at(i), slot, prompter))
            return kCliUsage;
        slotList.append(slot);
    }
    if (!CliLoad(book, args.positional.at(0), prompter))
        return kCliFailed;
    if (args.positional.size() == 2) {
        for (int slot = withUsers ? 0 : book.UserCount(); slot < book.SlotCount(); ++slot)
            if (book.RecordAt(slot))
                slotList.append(slot);
    }
    for (int slot : slotList)
        if (!CheckRecord(book.Data(), slot, prompter))
            return kCliUsage;
    return kCliOk;
}

// Saves when the command changed the phonebook; a failed save fails the command.
int Finish(Phonebook &book, const QString &path, bool anyFailed, Prompter &prompter)
{
    if (book.Modified() && !CliSave(book, path, prompter))
        return kCliFailed;
    return anyFailed ? kCliFailed : kCliOk;
}

} // namespace

int RunExportVcf(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    int slot = 0;
    if (const int status = LoadForRecord(args, book, slot, prompter); status != kCliOk)
        return status;
    const auto write = [&](const QString &out) { return ExportVcfRecord(book.Data(), slot, out, prompter); };
    return CliWriteOutput(args.positional.at(2), write, prompter) ? kCliOk : kCliFailed;
}

int RunImportVcf(const CliArgs &args, Prompter &prompter)
{
    const QString path = args.positional.at(0);
    Phonebook book;
    int slot = 0;
    if (const int status = LoadForRecord(args, book, slot, prompter); status != kCliOk)
        return status;
    // The record stays with its owner.
    const uint32_t user = book.RecordAt(slot)->owner;
    const bool ok = book.Apply([&](Agenda &agenda) {
        return ImportVcfRecord(agenda, slot, user, args.positional.at(2), prompter);
    });
    return Finish(book, path, !ok, prompter);
}

int RunInsertVcf(const CliArgs &args, Prompter &prompter)
{
    const QString path = args.positional.at(0);
    Phonebook book;
    uint32_t user = 0;
    if (const int status = LoadForUser(args, book, user, prompter); status != kCliOk)
        return status;
    std::vector<CardOfFile> cards = ReadCardFiles(args.positional.mid(2), prompter);
    const int total = int(cards.size());
    // An export's contact groups and empty cards are no records to add.
    const int notContacts = RemoveNotContacts(cards);
    int skipped = 0;
    if (args.skipDuplicates) {
        // The cards the import review would start unchecked.
        ImportReview review(book.Data(), std::move(cards), user);
        skipped = review.Count() - review.CheckedCount();
        cards = review.ChosenCards();
    }
    CardInsertOptions options;
    options.shorten = args.shorten;
    const CardInsertResult r = InsertCards(book, user, cards, options, prompter);
    QByteArray summary = "inserted " + QByteArray::number(r.inserted) + " of " + QByteArray::number(total) + " cards";
    if (r.failed > 0)
        summary += ", " + QByteArray::number(r.failed) + " failed";
    if (r.noRoom > 0)
        summary += ", " + QByteArray::number(r.noRoom) + " did not fit";
    // A failure is answered with Cancel here: the cards after it are not inserted.
    const int notTried = r.cancelled ? int(cards.size()) - r.inserted - r.failed : 0;
    if (notTried > 0)
        summary += ", " + QByteArray::number(notTried) + " not tried";
    if (skipped > 0)
        summary += ", " + QByteArray::number(skipped) + " skipped as duplicates";
    if (notContacts > 0)
        summary += ", " + QByteArray::number(notContacts) + " skipped (contact groups or empty)";
    std::printf("%s\n", summary.constData());
    std::fflush(stdout);
    return Finish(book, path, r.failed > 0 || r.noRoom > 0, prompter);
}

int RunExportCsv(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    QList<int> slotList;
    if (const int status = LoadForRecords(args, book, slotList, true, prompter); status != kCliOk)
        return status;
    CsvResult r;
    const auto write = [&](const QString &out) {
        r = ExportCsvRecords(book.Data(), slotList, out, prompter);
        return r.fileOk;
    };
    const bool written = CliWriteOutput(args.positional.at(1), write, prompter);
    return written && r.failed == 0 ? kCliOk : kCliFailed;
}

int RunExportVcards(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    QList<int> slotList;
    if (const int status = LoadForRecords(args, book, slotList, false, prompter); status != kCliOk)
        return status;
    const auto write = [&](const QString &out) { return ExportVcfRecords(book.Data(), slotList, out, prompter); };
    return CliWriteOutput(args.positional.at(1), write, prompter) ? kCliOk : kCliFailed;
}

int RunInsertCsv(const CliArgs &args, Prompter &prompter)
{
    const QString path = args.positional.at(0);
    Phonebook book;
    uint32_t user = 0;
    if (const int status = LoadForUser(args, book, user, prompter); status != kCliOk)
        return status;
    const CsvResult r = book.Apply(
        [&](Agenda &agenda) { return InsertCsvRecords(agenda, user, args.positional.at(2), prompter); });
    return Finish(book, path, !r.fileOk || r.failed > 0, prompter);
}
