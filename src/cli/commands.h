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
    bool shorten = false;         // insert-vcf: cut texts to the unit's limits
    bool skipDuplicates = false;  // insert-vcf: leave out cards that look like a record of the user
    QString map;                  // insert-csv: "COLUMN=FIELD,..." for columns not recognised
    QString format;               // export-csv: "google" for the Google Contacts layout
};

struct CliCommand
{
    const char *name;
    const char *usage;  // argument synopsis shown in the usage text
    int minArgs;
    int maxArgs;  // -1 = no upper limit
    int (*run)(const CliArgs &args, Prompter &prompter);
    const char *summary;  // one line for --help: what the command does
};

// Every command, in the order the usage text lists them.
const std::vector<CliCommand> &CliCommands();

// An option given after the command name; it sets one flag of CliArgs.
struct CliOption
{
    const char *name;      // "--keep-long"
    const char *help;      // one line for --help
    const char *commands;  // the commands that take it, separated by spaces; nullptr: every command
    bool CliArgs::*flag;   // a flag option sets this
    QString CliArgs::*value = nullptr;  // an option with a value ("--map SPEC" or "--map=SPEC") sets this
    const char *valueName = nullptr;    // the value in the help ("MAPPING")
};

// Every option, in the order the usage text lists them. The help texts, the manual page
// test and the shell completion are built from these two tables.
const std::vector<CliOption> &CliOptions();

// Loads a phonebook; on failure prints "Error loading file : " + path, the reason on the
// next line, and returns false.
bool CliLoad(Agenda &agenda, const QString &path, Prompter &prompter);
// Saves a phonebook as the editor's Save does; on failure prints "Error saving file : " +
// path, and the reason on the next line.
bool CliSave(Agenda &agenda, const QString &path, Prompter &prompter);

int RunInfo(const CliArgs &args, Prompter &prompter);
int RunDump(const CliArgs &args, Prompter &prompter);
int RunResave(const CliArgs &args, Prompter &prompter);
// Lists what the unit would refuse or show oddly, one finding a line; 0 when clean, 1 when
// something was found (or the file did not load). Long texts are kept, never asked about.
int RunCheck(const CliArgs &args, Prompter &prompter);
