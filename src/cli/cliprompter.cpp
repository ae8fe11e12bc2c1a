#include "cli/cliprompter.h"

#include "common/markup.h"

#include <cstdio>

void CliPrompter::Print(const QString &markup)
{
    PrintPlain(MarkupToPlain(markup));
}

void CliPrompter::PrintPlain(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void CliPrompter::Information(const QString &markup)
{
    Print(markup);
}

bool CliPrompter::OkCancel(const QString &markup)
{
    return OkCancelDetail(markup, QString());
}

// The detail goes on the line after the message, before the answer taken.
void CliPrompter::InformationDetail(const QString &markup, const QString &detail)
{
    Print(markup);
    if (!detail.isEmpty())
        PrintPlain(detail);
}

bool CliPrompter::OkCancelDetail(const QString &markup, const QString &detail)
{
    InformationDetail(markup, detail);
    Print(QStringLiteral("-> Cancel"));
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
