#pragma once

#include "cli/commands.h"

#include <QByteArray>
#include <QStringList>

// What the arguments after the program path ask for.
struct CliRequest
{
    enum Action {
        Run,          // run `command` with `args`
        Help,         // print the general help on standard output, exit 0
        CommandHelp,  // print the help of `command` on standard output, exit 0
        Version,      // print the version on standard output, exit 0
        Usage,        // print `error` and the usage on standard error, exit 2
    };
    Action action = Usage;
    const CliCommand *command = nullptr;
    CliArgs args;
    QByteArray error;  // why the arguments are not usable (Usage only)
};

// Reads "COMMAND [OPTION...] ARGS..." or "--help" / "-h" / "--version". Options of the
// command may stand anywhere before "--"; an argument after "--", and "-" alone, is always
// positional.
CliRequest ParseCliArguments(const QStringList &args);

// The texts the program prints.
QByteArray CliHelpText();
QByteArray CliCommandHelpText(const CliCommand &command);
QByteArray CliVersionText();
QByteArray CliUsageText();

// Whether `option` is one of the options `command` takes.
bool CliOptionApplies(const CliOption &option, const CliCommand &command);
