#pragma once

#include "cli/commands.h"

// vCard and CSV exchange commands of the command-line companion. Each loads the phonebook,
// acts, and saves it back when it changed anything. Exit status 1 when any record failed,
// 2 on a usage error (also a record number that names no record, a user that does not
// exist).
int RunExportVcf(const CliArgs &args, Prompter &prompter);  // FILE RECORD OUT.vcf ("-": standard output)
// The first card of the file, its texts cut to the unit's limits unless --keep-long (which
// then names each text too long on standard error).
int RunImportVcf(const CliArgs &args, Prompter &prompter);  // FILE RECORD IN.vcf
// Every card of every file, less the contact groups and empty cards of files of several
// cards, as the window's review proposes them: texts cut to the unit's limits unless
// --keep-long (which then names each text too long), a card without a name labelled with
// its first phone. A file or card that cannot be read is named with its reason on standard
// error and the command goes on; it then exits 1. Prints "inserted N of M cards"
// (", K failed", ", K did not fit", ", K skipped as duplicates", ", K skipped (contact
// groups or empty)" when not zero) on standard output.
int RunInsertVcf(const CliArgs &args, Prompter &prompter);  // [--shorten] [--skip-duplicates] FILE USER IN.vcf...
// The records (by default every used contact slot, in slot order) as the cards of one file.
int RunExportVcards(const CliArgs &args, Prompter &prompter);  // FILE OUT.vcf [RECORD...] ("-": standard output)
int RunExportCsv(const CliArgs &args, Prompter &prompter);  // FILE OUT.csv [RECORD...] ("-": standard output)
// The rows of a CSV file of this program or of another address book (columns recognised by
// name, or placed with --map); prints "inserted N of M rows" as insert-vcf does; exit 1 with
// the reason when the file is refused or no column gives a name or a phone.
int RunInsertCsv(const CliArgs &args, Prompter &prompter);  // [--shorten] [--skip-duplicates] [--map MAPPING] FILE USER IN.csv
