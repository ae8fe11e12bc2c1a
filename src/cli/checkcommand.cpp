#include "cli/cliprompter.h"
#include "common/markup.h"
#include "cli/commands.h"
#include "store/agenda.h"
#include "store/phonebook.h"
#include "store/phonebookcheck.h"
#include "store/phonenumber.h"

#include <cstdio>
#include <memory>

namespace {

// Loads keeping every long text without asking: reporting them is the check's job.
class KeepLongPrompter : public CliPrompter
{
public:
    bool YesNo(const QString &) override { return true; }
};

} // namespace

int RunCheck(const CliArgs &args, Prompter &)
{
    KeepLongPrompter prompter;
    QString region;
    if (!CliPhoneRegion(args, region, prompter))
        return kCliUsage;
    if (region.isEmpty())
        CliPrompter::PrintPlain(QStringLiteral("No region is set for phone numbers (--region, or the setting phone/region)"));
    Phonebook book;
    const Agenda *agenda = &book.Data();
    if (!CliLoad(book, args.positional.at(0), prompter, args))
        return kCliFailed;
    const QList<CheckFinding> findings = CheckPhonebook(*agenda, region);
    for (const CheckFinding &f : findings) {
        const QByteArray line = FindingLine(f).toUtf8();
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fputc('\n', stdout);
    }
    return findings.isEmpty() ? kCliOk : kCliFailed;
}

bool CliPhoneRegion(const CliArgs &args, QString &region, Prompter &prompter)
{
    if (args.region.isEmpty()) {
        region = DefaultPhoneRegion();
        return true;
    }
    region = KnownPhoneRegion(args.region);
    if (!region.isEmpty())
        return true;
    prompter.Information(QStringLiteral("Not a region code : ") + MarkupEscape(args.region));
    return false;
}
