#include "cli/interchangecommands.h"

#include "cli/output.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "formats/importreview.h"
#include "formats/interchange.h"
#include "formats/vcardimport.h"
#include "store/agenda.h"
#include "store/phonebook.h"
#include "store/phonebookcheck.h"
#include "store/phonetidy.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// Texts of the command-line checks (the exchange itself reports with the window's texts).
constexpr char kBadRecord[] = "Not a record number : ";
constexpr char kBadUser[] = "Not a user number (1-4) : ";
constexpr char kNoRecord[] = "No record in use with number ";
constexpr char kNoUser[] = "The phonebook has no user ";
constexpr char kBadPhones[] = "Not a form of phone numbers (international, e164, national, as-is) : ";

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
    if (!CliLoad(book, args.positional.at(0), prompter, args))
        return kCliFailed;
    return CheckRecord(book.Data(), slot, prompter) ? kCliOk : kCliUsage;
}

// The same for a command on one user (second argument, the user number).
int LoadForUser(const CliArgs &args, Phonebook &book, uint32_t &user, Prompter &prompter)
{
    if (!ParseUser(args.positional.at(1), user, prompter))
        return kCliUsage;
    if (!CliLoad(book, args.positional.at(0), prompter, args))
        return kCliFailed;
    return CheckUser(book.Data(), user, prompter) ? kCliOk : kCliUsage;
}

// The phonebook (first argument) and the records (argument `first` on) of a command on
// several records: kCliOk, or the status the command ends with. Without records, every
// used slot in slot order (the users' own slots only `withUsers`).
int LoadForRecords(const CliArgs &args, Phonebook &book, QList<int> &slotList, bool withUsers, Prompter &prompter,
                   int first = 2)
{
    for (int i = first; i < args.positional.size(); ++i) {
        int slot = 0;
        if (!ParseRecord(args.positional.at(i), slot, prompter))
            return kCliUsage;
        slotList.append(slot);
    }
    if (!CliLoad(book, args.positional.at(0), prompter, args))
        return kCliFailed;
    if (args.positional.size() == first) {
        for (int slot = withUsers ? 0 : book.UserCount(); slot < book.SlotCount(); ++slot)
            if (book.RecordAt(slot))
                slotList.append(slot);
    }
    for (int slot : slotList)
        if (!CheckRecord(book.Data(), slot, prompter))
            return kCliUsage;
    return kCliOk;
}

// With --keep-long, names every text of the given slots that is longer than the unit
// accepts, one "record N: <field> is X characters, the unit allows Y" line each.
void ReportLongTexts(const Agenda &agenda, const QList<int> &slots, Prompter &prompter)
{
    for (const CheckFinding &f : CheckPhonebook(agenda, QString()))  // lengths need no phone region
        if (f.kind == CheckFinding::Kind::TooLong && slots.contains(f.slot))
            prompter.Information(MarkupEscape(FindingLine(f)));
}

// The form of phone numbers a command writes: `name`, or `fallback` when it is empty.
bool ParsePhones(const QString &name, PhoneFormat fallback, PhoneFormat &format, Prompter &prompter)
{
    if (name.isEmpty()) {
        format = fallback;
        return true;
    }
    if (PhoneFormatFromName(name, &format))
        return true;
    prompter.Information(QLatin1String(kBadPhones) + MarkupEscape(name));
    return false;
}

// Saves when the command changed the phonebook; a failed save fails the command.
int Finish(Phonebook &book, const QString &path, bool anyFailed, Prompter &prompter)
{
    if (book.Modified() && !CliSave(book, path, prompter))
        return kCliFailed;
    return anyFailed ? kCliFailed : kCliOk;
}

// The options of insert-vcf and insert-csv, as the window's review proposes: texts cut to
// the unit's limits (unless --keep-long), a card without a name labelled with its first
// phone. False (the reason shown) for a bad --phones or --region.
bool InsertOptions(const CliArgs &args, CardInsertOptions &options, Prompter &prompter)
{
    options.shorten = !args.keepLong;
    options.labelFromPhone = true;
    return ParsePhones(args.phones, PhoneFormat::AsIs, options.phones, prompter)
           && CliPhoneRegion(args, options.region, prompter);
}

struct InsertCounts
{
    int total = 0;        // cards read, failed ones included
    int inserted = 0;
    int failed = 0;       // cards that could not be read
    int noRoom = 0;       // cards left when the phonebook was full
    int skipped = 0;      // left out as duplicates
    int notContacts = 0;  // contact groups and empty cards
};

// After inserting: names the texts kept too long (--keep-long), prints the summary
// "inserted N of M <noun>[, ...]" and saves when anything changed.
int FinishInsert(const CliArgs &args, Phonebook &book, const InsertCounts &n, const QList<int> &added, const char *noun,
                 Prompter &prompter)
{
    if (args.keepLong)
        ReportLongTexts(book.Data(), added, prompter);
    QByteArray summary = "inserted " + QByteArray::number(n.inserted) + " of " + QByteArray::number(n.total) + ' ' + noun;
    if (n.failed > 0)
        summary += ", " + QByteArray::number(n.failed) + " failed";
    if (n.noRoom > 0)
        summary += ", " + QByteArray::number(n.noRoom) + " did not fit";
    if (n.skipped > 0)
        summary += ", " + QByteArray::number(n.skipped) + " skipped as duplicates";
    if (n.notContacts > 0)
        summary += ", " + QByteArray::number(n.notContacts) + " skipped (contact groups or empty)";
    std::printf("%s\n", summary.constData());
    std::fflush(stdout);
    return Finish(book, args.positional.at(0), n.failed > 0 || n.noRoom > 0, prompter);
}

// Inserts the cards of insert-vcf or insert-csv as the import review would start them
// (--skip-duplicates leaves out those it starts unchecked) and prints the summary
// "inserted N of M <noun>[, ...]". A card that cannot be read is named with its reason and
// the others are inserted all the same; `failed` more of the file were reported already.
int InsertReviewedCards(const CliArgs &args, Phonebook &book, uint32_t user, std::vector<CardOfFile> cards,
                        const CardInsertOptions &options, const char *noun, int failed, Prompter &prompter)
{
    const int total = int(cards.size()) + failed;
    for (CardOfFile &card : cards) {
        if (card.failed) {
            ++failed;
            prompter.InformationDetail(FailedCardMessage(card), card.reason);
        }
    }
    cards.erase(std::remove_if(cards.begin(), cards.end(), [](const CardOfFile &c) { return c.failed; }), cards.end());
    // An export's contact groups and empty cards are no records to add.
    const int notContacts = RemoveNotContacts(cards);
    int skipped = 0;
    if (args.skipDuplicates) {
        // The cards the import review would start unchecked.
        ImportReview review(book.Data(), std::move(cards), user, options.region);
        skipped = review.Count() - review.CheckedCount();
        cards = review.ChosenCards();
    }
    QList<int> added;
    const CardInsertResult r = InsertCards(book, user, cards, options, prompter, [&added](int slot) { added << slot; });
    return FinishInsert(args, book, InsertCounts{total, r.inserted, failed, r.noRoom, skipped, notContacts}, added, noun,
                        prompter);
}

// The cards of vCard files inserted as they are read, one at a time, so that a large
// export is never held whole: what InsertReviewedCards does without --skip-duplicates,
// with the same messages in the same order (every failed card is named as it is read,
// "No more space" once at the end).
int InsertStreamedCards(const CliArgs &args, Phonebook &book, uint32_t user, const QStringList &files,
                        const CardInsertOptions &options, Prompter &prompter)
{
    InsertCounts counts;
    bool full = false;
    QList<int> added;
    const auto take = [&](const CardOfFile &card) {
        ++counts.total;
        if (card.failed) {
            ++counts.failed;
            prompter.InformationDetail(FailedCardMessage(card), card.reason);
        } else if (NotContactReason(card) != NotContact::No) {
            ++counts.notContacts;  // an export's contact groups and empty cards
        } else if (full) {
            ++counts.noRoom;
        } else if (const BookResult r = book.InsertRecord(CardRecord(card, user, options)); !r) {
            full = true;
            ++counts.noRoom;
        } else {
            ++counts.inserted;
            added << r.slot;
        }
    };
    for (const QString &path : files) {
        // Whether a card is its file's only one matters (a file of one card is inserted
        // whatever it holds): the first card waits for the second. The others carry the
        // count so far, at least 2; a failed card is the last of its file and carries
        // the exact count.
        CardFileReader file(path, prompter);
        CardOfFile first;
        CardOfFile card;
        int count = 0;
        while (file.Next(card)) {
            card.fileCards = ++count;
            if (count == 1) {
                first = std::move(card);
                continue;
            }
            if (count == 2) {
                first.fileCards = 2;
                take(first);
            }
            take(card);
        }
        if (count == 1)
            take(first);
    }
    if (full)
        prompter.Information(BookText::noMoreSpace());
    return FinishInsert(args, book, counts, added, "cards", prompter);
}

} // namespace

int RunExportVcf(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    const Agenda *agenda = &book.Data();
    int slot = 0;
    if (const int status = LoadForRecord(args, book, slot, prompter); status != kCliOk)
        return status;
    const auto write = [&](const QString &out) { return ExportVcfRecord(*agenda, slot, out, prompter); };
    return CliWriteOutput(args.positional.at(2), write, prompter) ? kCliOk : kCliFailed;
}

int RunImportVcf(const CliArgs &args, Prompter &prompter)
{
    const QString path = args.positional.at(0);
    Phonebook book;
    const Agenda *agenda = &book.Data();
    int slot = 0;
    if (const int status = LoadForRecord(args, book, slot, prompter); status != kCliOk)
        return status;
    // The record stays with its owner. Texts are cut to the unit's limits unless
    // --keep-long keeps them.
    const uint32_t user = agenda->slots[size_t(slot)].owner;
    const bool ok = book.Apply([&](Agenda &a) {
        return ImportVcfRecord(a, slot, user, args.positional.at(2), prompter, !args.keepLong);
    });
    if (ok && args.keepLong)
        ReportLongTexts(*agenda, {slot}, prompter);
    return Finish(book, path, !ok, prompter);
}

int RunInsertVcf(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    uint32_t user = 0;
    CardInsertOptions options;
    if (!InsertOptions(args, options, prompter))
        return kCliUsage;
    if (const int status = LoadForUser(args, book, user, prompter); status != kCliOk)
        return status;
    const QStringList files = args.positional.mid(2);
    // The review that --skip-duplicates asks needs every card at once; -vcfdebug reports
    // all that the files hold before anything else is said.
    if (!args.skipDuplicates && !vcfDebug)
        return InsertStreamedCards(args, book, user, files, options, prompter);
    return InsertReviewedCards(args, book, user, ReadCardFiles(files, prompter), options, "cards", 0, prompter);
}

int RunExportCsv(const CliArgs &args, Prompter &prompter)
{
    const bool google = args.format.compare(QLatin1String("google"), Qt::CaseInsensitive) == 0;
    if (!args.format.isEmpty() && !google) {
        prompter.Information(QStringLiteral("Not a CSV format (google) : ") + MarkupEscape(args.format));
        return kCliUsage;
    }
    Phonebook book;
    const Agenda *agenda = &book.Data();
    QList<int> slotList;
    if (const int status = LoadForRecords(args, book, slotList, true, prompter); status != kCliOk)
        return status;
    CsvResult r;
    const auto write = [&](const QString &out) {
        if (google)
            return ExportGoogleCsvRecords(*agenda, slotList, out, prompter);
        r = ExportCsvRecords(*agenda, slotList, out, prompter);
        return r.fileOk;
    };
    const bool written = CliWriteOutput(args.positional.at(1), write, prompter);
    return written && r.failed == 0 ? kCliOk : kCliFailed;
}

int RunExportVcards(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    const Agenda *agenda = &book.Data();
    QList<int> slotList;
    if (const int status = LoadForRecords(args, book, slotList, false, prompter); status != kCliOk)
        return status;
    const auto write = [&](const QString &out) { return ExportVcfRecords(*agenda, slotList, out, prompter); };
    return CliWriteOutput(args.positional.at(1), write, prompter) ? kCliOk : kCliFailed;
}

int RunInsertCsv(const CliArgs &args, Prompter &prompter)
{
    Phonebook book;
    uint32_t user = 0;
    CardInsertOptions options;
    if (!InsertOptions(args, options, prompter))
        return kCliUsage;
    if (const int status = LoadForUser(args, book, user, prompter); status != kCliOk)
        return status;
    const QString in = args.positional.at(2);
    CsvInsertFile file = ReadCsvInsertFile(in);
    if (!file.ok) {
        ReportCsvRefused(in, file.reason, prompter);
        return kCliFailed;
    }
    if (!file.Own()) {
        QString reason;
        if (!args.map.isEmpty() && !ApplyCsvMap(args.map, file.table.header, file.mapping, reason)) {
            prompter.Information(MarkupEscape(reason));
            return kCliUsage;
        }
        if (!PlacesNameOrPhone(file.mapping)) {
            ReportCsvRefused(in, NoNameOrPhoneReason(file), prompter);
            return kCliFailed;
        }
        file.MapCards();
    }
    ReportShortCsvLines(file.shortLines, prompter);
    return InsertReviewedCards(args, book, user, std::move(file.cards), options, "rows", int(file.shortLines.size()),
                               prompter);
}

int RunTidyPhones(const CliArgs &args, Prompter &prompter)
{
    const QString path = args.positional.at(0);
    PhoneFormat format = PhoneFormat::International;
    QString region;
    if (!ParsePhones(args.format, PhoneFormat::International, format, prompter) || !CliPhoneRegion(args, region, prompter))
        return kCliUsage;
    Phonebook book;
    const Agenda *agenda = &book.Data();
    QList<int> slotList;
    if (const int status = LoadForRecords(args, book, slotList, false, prompter, 1); status != kCliOk)
        return status;
    const QList<PhoneTidyRow> rows = PlanPhoneTidy(*agenda, slotList, region, format);
    int changes = 0;
    for (const PhoneTidyRow &row : rows) {
        const QByteArray line = PhoneTidyLine(row).toUtf8();
        std::printf("%s\n", line.constData());
        changes += row.Changes() ? 1 : 0;
    }
    const int kept = int(rows.size()) - changes;
    if (args.dryRun)
        std::printf("%d numbers would change, %d kept\n", changes, kept);
    else
        std::printf("%d numbers changed, %d kept\n", book.Apply([&](Agenda &a) { return ApplyPhoneTidy(a, rows); }), kept);
    std::fflush(stdout);
    if (args.dryRun)
        return kCliOk;
    return Finish(book, path, false, prompter);
}
