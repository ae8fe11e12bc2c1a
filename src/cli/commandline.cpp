#include "cli/commandline.h"

#include "common/version.h"

namespace {

constexpr char kProgram[] = "kestravon-cli";

// "--keep-long", "--region XX".
QByteArray OptionText(const CliOption &option)
{
    return option.valueName ? QByteArray(option.name) + ' ' + option.valueName : QByteArray(option.name);
}

// "[--keep-long] " for a command that takes options, "" for one that takes none.
QByteArray OptionSynopsis(const CliCommand &command)
{
    QByteArray text;
    for (const CliOption &o : CliOptions())
        if (CliOptionApplies(o, command))
            text += QByteArray("[") + OptionText(o) + "] ";
    return text;
}

// "  <left padded to the column><right>\n"
QByteArray Row(const QByteArray &left, const char *right)
{
    constexpr int kColumn = 34;
    QByteArray line = "  " + left;
    if (right && *right) {
        line += line.size() < kColumn ? QByteArray(kColumn - line.size(), ' ') : QByteArray("\n") + QByteArray(kColumn, ' ');
        line += right;
    }
    return line + '\n';
}

const CliCommand *FindCommand(const QString &name)
{
    for (const CliCommand &c : CliCommands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

// The option named by an argument ("--region" or "--region=DE"); `value` receives the part
// after "=".
const CliOption *FindOption(const QString &arg, const CliCommand &command, QString *value, bool *hasValue)
{
    const int eq = arg.indexOf(QLatin1Char('='));
    const QString name = eq < 0 ? arg : arg.left(eq);
    *hasValue = eq >= 0;
    *value = eq < 0 ? QString() : arg.mid(eq + 1);
    for (const CliOption &o : CliOptions())
        if (name == QLatin1String(o.name) && CliOptionApplies(o, command))
            return &o;
    return nullptr;
}

CliRequest UsageError(const QByteArray &error, const CliCommand *command = nullptr)
{
    CliRequest r;
    r.action = CliRequest::Usage;
    r.error = error;
    r.command = command;
    return r;
}

bool IsHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

} // namespace

bool CliOptionApplies(const CliOption &option, const CliCommand &command)
{
    if (!option.commands)
        return true;
    const QList<QByteArray> names = QByteArray(option.commands).split(' ');
    return names.contains(QByteArray(command.name));
}

CliRequest ParseCliArguments(const QStringList &argsIn)
{
    if (argsIn.isEmpty())
        return UsageError("no command given");
    const QString first = argsIn.first();
    if (IsHelp(first) || first == QLatin1String("--version")) {
        CliRequest r;
        r.action = IsHelp(first) ? CliRequest::Help : CliRequest::Version;
        return r;
    }
    const CliCommand *command = FindCommand(first);
    if (!command)
        return UsageError("unknown command: " + first.toUtf8());

    CliRequest r;
    r.command = command;
    bool optionsDone = false;
    bool hasValue = false;
    for (int i = 1; i < argsIn.size(); ++i) {
        const QString &a = argsIn.at(i);
        if (optionsDone || a == QLatin1String("-") || !a.startsWith(QLatin1Char('-'))) {
            r.args.positional.append(a);
        } else if (a == QLatin1String("--")) {
            optionsDone = true;
        } else if (IsHelp(a)) {
            r.action = CliRequest::CommandHelp;
            return r;
        } else if (QString value; const CliOption *o = FindOption(a, *command, &value, &hasValue)) {
            if (!o->value) {
                if (hasValue)
                    return UsageError("option " + QByteArray(o->name) + " takes no value", command);
                r.args.*(o->flag) = true;
                continue;
            }
            if (!hasValue) {
                if (i + 1 >= argsIn.size())
                    return UsageError("option " + QByteArray(o->name) + " needs a value", command);
                value = argsIn.at(++i);
            }
            r.args.*(o->value) = value;
        } else {
            return UsageError("unknown option for " + QByteArray(command->name) + ": " + a.toUtf8(), command);
        }
    }
    const int n = int(r.args.positional.size());
    if (n < command->minArgs || (command->maxArgs >= 0 && n > command->maxArgs))
        return UsageError(QByteArray("wrong number of arguments for ") + command->name, command);
    r.action = CliRequest::Run;
    return r;
}

QByteArray CliUsageText()
{
    return QByteArray("usage: ") + kProgram + " COMMAND [OPTION...] ARGUMENT...\n"
        + "       " + kProgram + " COMMAND --help\n"
        + "       " + kProgram + " --help | --version\n";
}

QByteArray CliHelpText()
{
    QByteArray text = CliUsageText();
    text += "\nWorks on the phonebook file Agenda.dat of the RTx car head unit without a window.\n"
            "RECORD is a record number as the editor's \"#\" column shows it, USER a user number 1-4.\n"
            "An output file named - is standard output.\n"
            "Messages are in English whatever the system's language, so that scripts can read them.\n"
            "\nCommands:\n";
    for (const CliCommand &c : CliCommands())
        text += Row(QByteArray(c.name) + ' ' + c.usage, c.summary);
    text += "\nOptions:\n";
    for (const CliOption &o : CliOptions())
        text += Row(OptionText(o), o.help);
    text += Row("-h, --help", "show this help");
    text += Row("--version", "show the version");
    text += "\nExit status: 0 success, 1 failure (the reason on standard error), 2 usage error.\n"
            "See kestravon-cli(1).\n";
    return text;
}

QByteArray CliCommandHelpText(const CliCommand &command)
{
    QByteArray text = QByteArray("usage: ") + kProgram + ' ' + command.name + ' ' + OptionSynopsis(command)
        + command.usage + '\n';
    if (command.summary)
        text += QByteArray("\n") + command.summary + '\n';
    text += "\nOptions:\n";
    for (const CliOption &o : CliOptions())
        if (CliOptionApplies(o, command))
            text += Row(OptionText(o), o.help);
    text += Row("-h, --help", "show this help");
    return text;
}

QByteArray CliVersionText()
{
    return QByteArray(kProgram) + ' ' + kProgramRelease + " (" + kProgramName + ' ' + kProgramVersion + ")\n";
}
