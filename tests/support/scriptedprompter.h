#pragma once

#include "common/prompter.h"

#include <QList>
#include <QStringList>

// A Prompter for tests and scripts: answers are queued in advance and every text shown
// is recorded exactly as the program built it.
//
// When a question finds no queued answer, it takes the fallback answer (No for Yes/No,
// Cancel otherwise) and records the text in `unanswered`, so a test can see that the
// program asked something it did not expect. File choices work the same way with
// `files` (an empty entry = the user cancelled).
class ScriptedPrompter : public Prompter
{
public:
    struct Shown
    {
        enum class Kind { Information, OkCancel, YesNo, YesNoCancel, File, Url };
        Kind kind;
        QString text;    // message markup, the file request's title, or the URL
        QString detail;  // the detail under a message (InformationDetail, OkCancelDetail)
    };

    // Queued answers, taken from the front.
    QList<Answer> answers;
    QList<QStringList> files;
    // Progress: ProgressStep returns false once `cancelProgressAt` steps have been seen
    // (negative = never).
    int cancelProgressAt = -1;
    // OpenUrl's result.
    bool openUrlResult = true;

    // What was shown, in order.
    QList<Shown> shown;
    QStringList unanswered;
    QList<FileRequest> fileRequests;
    QStringList progressTexts;
    QList<int> progressValues;
    QList<qint64> progressBytes;  // ProgressBytes calls (each also counts as a step)
    QStringList openedUrls;
    int progressOpen = 0;  // open windows right now

    // Convenience: every message text (not file titles or URLs), in order.
    QStringList Messages() const;
    // The last message text, or empty text.
    QString LastMessage() const;
    // Forget what was shown (answers stay queued).
    void ClearShown();

    void Information(const QString &markup) override;
    bool OkCancel(const QString &markup) override;
    void InformationDetail(const QString &markup, const QString &detail) override;
    bool OkCancelDetail(const QString &markup, const QString &detail) override;
    bool YesNo(const QString &markup) override;
    Answer YesNoCancel(const QString &markup) override;
    QStringList ChooseFiles(const FileRequest &request) override;
    void ProgressOpen(const QString &text, int maximum) override;
    bool ProgressStep(int value) override;
    bool ProgressBytes(qint64 received) override;
    void ProgressClose() override;
    bool OpenUrl(const QString &url) override;

private:
    Answer Take(Shown::Kind kind, const QString &markup, Answer fallback, const QString &detail = QString());
    int steps_ = 0;
};
