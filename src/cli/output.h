#pragma once

#include <QString>

#include <functional>

class Prompter;

// Writes an output file a command was given by path, where "-" names standard output.
// `write` is called with the path to write to and returns whether it produced the file
// (completely or in part). For "-" it gets a temporary file instead, whose bytes are then
// copied to standard output, so that every writer taking a path can write to standard
// output unchanged. False when `write` failed or standard output could not be written
// (then "Error writing standard output" is shown).
bool CliWriteOutput(const QString &path, const std::function<bool(const QString &file)> &write,
                    Prompter &prompter);
