#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Agenda;
class Prompter;

// Exit status of the command-line companion.
enum CliStatus { kCliOk = 0, kCliFailed = 1, kCliUsage = 2 };

// The arguments of one command: its options (given after the command name) and its
// positional arguments.
struct CliArgs
{
    QStringList positional;
    bool keepLong = false;  // answer "&Yes" to the text length question
};

struct CliCommand
{
    const char *name;
    const char *usage;  // argument synopsis shown in the usage text
    int minArgs;
    int maxArgs;  // -1 = no upper limit
    int (*run)(const CliArgs &args, Prompter &prompter);
};

// Every command, in the order the usage text lists them.
const std::vector<CliCommand> &CliCommands();

// Loads a phonebook; on failure prints "Error loading file : " + path, the reason on the
// next line, and returns false.
bool CliLoad(Agenda &agenda, const QString &path, Prompter &prompter);
// Saves a phonebook as the editor's Save does; on failure prints "Error saving file : ".
bool CliSave(Agenda &agenda, const QString &path, Prompter &prompter);

int RunInfo(const CliArgs &args, Prompter &prompter);
int RunDump(const CliArgs &args, Prompter &prompter);
int RunResave(const CliArgs &args, Prompter &prompter);
