#pragma once

#include "common/prompter.h"

#include <QTextStream>

// The command-line companion's Prompter: messages go to standard error as plain text;
// Yes/No questions take the answer fixed by the command's options, other questions their
// cautious answer (Cancel); no file selector and no browser.
class CliPrompter : public Prompter
{
public:
    explicit CliPrompter(bool answerYes = false) : yes_(answerYes) {}

    void Information(const QString &markup) override;
    bool OkCancel(const QString &markup) override;
    void InformationDetail(const QString &markup, const QString &detail) override;
    bool OkCancelDetail(const QString &markup, const QString &detail) override;
    bool YesNo(const QString &markup) override;
    Answer YesNoCancel(const QString &markup) override;
    QStringList ChooseFiles(const FileRequest &request) override;
    void ProgressOpen(const QString &text, int maximum) override;
    bool ProgressStep(int value) override;
    void ProgressClose() override;
    bool OpenUrl(const QString &url) override;

    // Prints one message on standard error.
    static void Print(const QString &markup);
    // Prints plain text on standard error as it is (a detail: the line under a message).
    static void PrintPlain(const QString &text);

private:
    bool yes_;
};
