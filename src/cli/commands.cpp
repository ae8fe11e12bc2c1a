#include "cli/commands.h"

#include "cli/cliprompter.h"
#include "cli/interchangecommands.h"
#include "cli/recordjson.h"
#include "common/markup.h"
#include "store/agenda.h"

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
        {"info", "FILE", 1, 1, RunInfo},
        {"dump", "FILE", 1, 1, RunDump},
        {"resave", "FILE", 1, 1, RunResave},
        {"export-vcf", "FILE RECORD OUT.vcf", 3, 3, RunExportVcf},
        {"import-vcf", "FILE RECORD IN.vcf", 3, 3, RunImportVcf},
        {"insert-vcf", "FILE USER IN.vcf...", 3, -1, RunInsertVcf},
        {"export-csv", "FILE OUT.csv [RECORD...]", 2, -1, RunExportCsv},
        {"insert-csv", "FILE USER IN.csv", 3, 3, RunInsertCsv},
    };
    return commands;
}

bool CliLoad(Agenda &agenda, const QString &path, Prompter &prompter)
{
    const LoadResult loaded = agenda.Load(path, prompter);
    if (loaded)
        return true;
    prompter.InformationDetail(QStringLiteral("Error loading file : ") + MarkupEscape(MessagePath(path)), loaded.reason);
    return false;
}

bool CliSave(Agenda &agenda, const QString &path, Prompter &prompter)
{
    if (agenda.Save(path, prompter))
        return true;
    prompter.Information(QStringLiteral("Error saving file : ") + MarkupEscape(MessagePath(path)));
    return false;
}

int RunInfo(const CliArgs &args, Prompter &prompter)
{
    auto agenda = std::make_unique<Agenda>();
    if (!CliLoad(*agenda, args.positional.at(0), prompter))
        return kCliFailed;
    Out("slots: " + QByteArray::number(agenda->slotCount));
    Out("used: " + QByteArray::number(agenda->usedCount));
    Out("users: " + QByteArray::number(agenda->userCount));
    Out(QByteArray("compressed: ") + (agenda->compressed ? "yes" : "no"));
    return kCliOk;
}

int RunDump(const CliArgs &args, Prompter &prompter)
{
    auto agenda = std::make_unique<Agenda>();
    if (!CliLoad(*agenda, args.positional.at(0), prompter))
        return kCliFailed;
    for (int i = 0; i < agenda->slotCount; ++i)
        if (const AgendaRecord *r = agenda->RecordAt(i))
            Out(QJsonDocument(RecordToJson(i, *r)).toJson(QJsonDocument::Compact));
    return kCliOk;
}

int RunResave(const CliArgs &args, Prompter &prompter)
{
    auto agenda = std::make_unique<Agenda>();
    const QString path = args.positional.at(0);
    if (!CliLoad(*agenda, path, prompter))
        return kCliFailed;
    return CliSave(*agenda, path, prompter) ? kCliOk : kCliFailed;
}
