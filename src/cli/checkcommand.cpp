#include "cli/cliprompter.h"
#include "cli/commands.h"
#include "store/agenda.h"
#include "store/phonebook.h"
#include "store/phonebookcheck.h"

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
    Phonebook book;
    if (!CliLoad(book, args.positional.at(0), prompter))
        return kCliFailed;
    const QList<CheckFinding> findings = CheckPhonebook(book.Data());
    for (const CheckFinding &f : findings) {
        const QByteArray line = FindingLine(f).toUtf8();
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fputc('\n', stdout);
    }
    return findings.isEmpty() ? kCliOk : kCliFailed;
}
