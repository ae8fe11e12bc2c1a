#include "cli/cliprompter.h"

#include "common/markup.h"

#include <cstdio>

void CliPrompter::Print(const QString &markup)
{
    const QByteArray text = MarkupToPlain(markup).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void CliPrompter::Information(const QString &markup)
{
    Print(markup);
}

bool CliPrompter::OkCancel(const QString &markup)
{
    Print(markup + QStringLiteral("&-> Cancel"));
    return false;
}

bool CliPrompter::YesNo(const QString &markup)
{
    Print(markup + (yes_ ? QStringLiteral("&-> Yes") : QStringLiteral("&-> No")));
    return yes_;
}

Prompter::Answer CliPrompter::YesNoCancel(const QString &markup)
{
    Print(markup + QStringLiteral("&-> Cancel"));
    return Answer::Cancel;
}

QStringList CliPrompter::ChooseFiles(const FileRequest &)
{
    return {};
}

void CliPrompter::ProgressOpen(const QString &, int) {}

bool CliPrompter::ProgressStep(int)
{
    return true;
}

void CliPrompter::ProgressClose() {}

bool CliPrompter::OpenUrl(const QString &)
{
    return false;
}
