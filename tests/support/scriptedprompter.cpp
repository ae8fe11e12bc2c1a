#include "support/scriptedprompter.h"

QStringList ScriptedPrompter::Messages() const
{
    QStringList out;
    for (const Shown &s : shown)
        if (s.kind != Shown::Kind::File && s.kind != Shown::Kind::Url)
            out.append(s.text);
    return out;
}

QString ScriptedPrompter::LastMessage() const
{
    const QStringList m = Messages();
    return m.isEmpty() ? QString() : m.last();
}

void ScriptedPrompter::ClearShown()
{
    shown.clear();
    unanswered.clear();
    fileRequests.clear();
    progressTexts.clear();
    progressValues.clear();
    openedUrls.clear();
}

Prompter::Answer ScriptedPrompter::Take(Shown::Kind kind, const QString &markup, Answer fallback,
                                        const QString &detail)
{
    shown.append({kind, markup, detail});
    if (answers.isEmpty()) {
        unanswered.append(markup);
        return fallback;
    }
    return answers.takeFirst();
}

void ScriptedPrompter::Information(const QString &markup)
{
    InformationDetail(markup, QString());
}

void ScriptedPrompter::InformationDetail(const QString &markup, const QString &detail)
{
    shown.append({Shown::Kind::Information, markup, detail});
}

bool ScriptedPrompter::OkCancel(const QString &markup)
{
    return OkCancelDetail(markup, QString());
}

bool ScriptedPrompter::OkCancelDetail(const QString &markup, const QString &detail)
{
    return Take(Shown::Kind::OkCancel, markup, Answer::Cancel, detail) == Answer::Ok;
}

bool ScriptedPrompter::YesNo(const QString &markup)
{
    return Take(Shown::Kind::YesNo, markup, Answer::No) == Answer::Yes;
}

Prompter::Answer ScriptedPrompter::YesNoCancel(const QString &markup)
{
    return Take(Shown::Kind::YesNoCancel, markup, Answer::Cancel);
}

QStringList ScriptedPrompter::ChooseFiles(const FileRequest &request)
{
    shown.append({Shown::Kind::File, request.title, QString()});
    fileRequests.append(request);
    if (files.isEmpty()) {
        unanswered.append(request.title);
        return {};
    }
    QStringList chosen = files.takeFirst();
    chosen.removeAll(QString());
    return chosen;
}

void ScriptedPrompter::ProgressOpen(const QString &text, int)
{
    progressTexts.append(text);
    ++progressOpen;
}

bool ScriptedPrompter::ProgressStep(int value)
{
    progressValues.append(value);
    ++steps_;
    return cancelProgressAt < 0 || steps_ < cancelProgressAt;
}

bool ScriptedPrompter::ProgressBytes(qint64 received)
{
    progressBytes.append(received);
    ++steps_;
    return cancelProgressAt < 0 || steps_ < cancelProgressAt;
}

void ScriptedPrompter::ProgressClose()
{
    if (progressOpen > 0)
        --progressOpen;
}

bool ScriptedPrompter::OpenUrl(const QString &url)
{
    shown.append({Shown::Kind::Url, url, QString()});
    openedUrls.append(url);
    return openUrlResult;
}
