// kestravon-cli: the phonebook editor's command-line companion.
#include "cli/cliprompter.h"
#include "cli/commands.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

int Usage()
{
    QByteArray text = "usage: kestravon-cli COMMAND [--keep-long] ARGS...\ncommands:\n";
    for (const CliCommand &c : CliCommands())
        text += QByteArray("  ") + c.name + " [--keep-long] " + c.usage + "\n";
    std::fputs(text.constData(), stderr);
    return kCliUsage;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList argsIn = QCoreApplication::arguments();
    argsIn.removeFirst();
    if (argsIn.isEmpty())
        return Usage();
    const QString name = argsIn.takeFirst();
    const CliCommand *command = nullptr;
    for (const CliCommand &c : CliCommands())
        if (name == QLatin1String(c.name))
            command = &c;
    if (!command)
        return Usage();

    CliArgs args;
    bool optionsDone = false;
    for (const QString &a : argsIn) {
        if (!optionsDone && a == QLatin1String("--keep-long")) {
            args.keepLong = true;
        } else if (!optionsDone && command->insertOptions && a == QLatin1String("--shorten")) {
            args.shorten = true;
        } else if (!optionsDone && command->insertOptions && a == QLatin1String("--skip-duplicates")) {
            args.skipDuplicates = true;
        } else if (!optionsDone && a == QLatin1String("--")) {
            optionsDone = true;
        } else if (!optionsDone && a.startsWith(QLatin1String("--"))) {
            return Usage();
        } else {
            optionsDone = true;
            args.positional.append(a);
        }
    }
    if (args.positional.size() < command->minArgs
        || (command->maxArgs >= 0 && args.positional.size() > command->maxArgs))
        return Usage();

    CliPrompter prompter(args.keepLong);
    return command->run(args, prompter);
}
