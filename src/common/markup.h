#pragma once

#include <QString>

// Escapes user data (paths, labels, tokens) so that it shows literally inside a
// message written in the program's markup.
QString MarkupEscape(const QString &text);

// Replaces every backslash of a path by a forward slash, as every message does.
QString MessagePath(const QString &path);

// Converts the program's markup to Qt rich text:
// "&" line break, "-|" tab, "[* ...]" bold, "[3B ...]" heading, "`x" the literal x.
QString MarkupToHtml(const QString &markup);

// The same markup as plain text (line breaks as "\n", tabs as "\t", no formatting);
// used by the command-line companion and for readable test failures.
QString MarkupToPlain(const QString &markup);
