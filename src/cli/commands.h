#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Phonebook;
class Prompter;

// Exit status of the command-line companion.
enum CliStatus { kCliOk = 0, kCliFailed = 1, kCliUsage = 2 };

// The arguments of one command: its options (given after the command name) and its
// positional arguments.
struct CliArgs
{
    QStringList positional;
    bool keepLong = false;  // answer "&Yes" to the text length question
    bool shorten = false;         // insert-vcf: cut texts to the unit's limits (as it does anyway)
    bool skipDuplicates = false;  // insert-vcf: leave out cards that look like a record of the user
    bool anyVersion = false;      // open a phonebook of an unknown format version as version 80
    bool dryRun = false;          // tidy-phones: print the changes, write nothing
    QString region;               // the default region of phone numbers ("" = the setting's)
    QString phones;               // insert-vcf, insert-csv: the form of the inserted numbers
    QString format;               // tidy-phones: the form the numbers are written in; export-csv: "google"
    QString map;                  // insert-csv: "COLUMN=FIELD,..." for columns not recognised
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

// An option given after the command name; it sets one flag of CliArgs, or, followed by a
// value ("--region DE" or "--region=DE"), one text.
struct CliOption
{
    const char *name;      // "--keep-long"
    const char *help;      // one line for --help
    const char *commands;  // the commands that take it, separated by spaces; nullptr: every command
    bool CliArgs::*flag;
    QString CliArgs::*value = nullptr;
    const char *valueName = nullptr;  // "XX" in the help: "--region XX"
};

// Every option, in the order the usage text lists them. The help texts, the manual page
// test and the shell completion are built from these two tables.
const std::vector<CliOption> &CliOptions();

// Loads a phonebook; on failure prints "Error loading file : " + path, the reason on the
// next line, and returns false.
// A file of a format version this program does not know is refused unless --any-version
// was given.
bool CliLoad(Phonebook &book, const QString &path, Prompter &prompter, const CliArgs &args);
// Saves a phonebook as the editor's Save does; on failure prints "Error saving file : " +
// path, and the reason on the next line.
bool CliSave(Phonebook &book, const QString &path, Prompter &prompter);

int RunInfo(const CliArgs &args, Prompter &prompter);
int RunDump(const CliArgs &args, Prompter &prompter);
int RunResave(const CliArgs &args, Prompter &prompter);
// Lists what the unit would refuse or show oddly, one finding a line; 0 when clean, 1 when
// something was found (or the file did not load). Long texts are kept, never asked about.
int RunCheck(const CliArgs &args, Prompter &prompter);

// The default region of phone numbers: --region when given (a code libphonenumber does not
// know prints "Not a region code : " and gives false), else DefaultPhoneRegion().
bool CliPhoneRegion(const CliArgs &args, QString &region, Prompter &prompter);
// Rewrites the phone numbers of a record in the form --phones asks for (none without it).
int RunTidyPhones(const CliArgs &args, Prompter &prompter);
