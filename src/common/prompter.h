#pragma once

#include <QString>
#include <QStringList>

// Every question the program asks and every file it lets the user choose goes through
// one Prompter. The GUI uses QtPrompter (message boxes, file dialogs, progress window,
// browser); tests use ScriptedPrompter (queued answers, recorded texts); the
// command-line companion answers on the terminal.
//
// Message texts use the program's markup: "&" starts a new line, "-|" is a tab,
// "[* text]" is bold, "[3B text]" a heading. User data put into a message must go
// through MarkupEscape() (markup.h) so that it is shown literally.
class Prompter
{
public:
    enum class Answer { Ok, Cancel, Yes, No };

    // A file selector request. `filter` uses Qt's syntax, e.g. "Agenda files (*.dat)";
    // `defaultSuffix` is appended when the user types a name without one (e.g. "dat").
    struct FileRequest
    {
        enum class Mode { Open, OpenMany, Save };
        Mode mode = Mode::Open;
        QString title;
        QString filter;
        QString defaultSuffix;
        QString proposed;   // proposed file name or full path
        QString directory;  // start folder; empty = the selector's own choice
    };

    virtual ~Prompter() = default;

    // Information box with the single button "OK".
    virtual void Information(const QString &markup) = 0;
    // "OK"/"Cancel": true for OK.
    virtual bool OkCancel(const QString &markup) = 0;
    // "&Yes"/"&No": true for Yes.
    virtual bool YesNo(const QString &markup) = 0;
    // The same question with "&No" as the default button, for answers that risk data.
    virtual bool YesNoDefaultNo(const QString &markup) { return YesNo(markup); }
    // "&Yes"/"&No"/"Cancel": Answer::Yes, Answer::No or Answer::Cancel.
    virtual Answer YesNoCancel(const QString &markup) = 0;

    // The same boxes with a detail under the message: plain text shown as it is, such as
    // the reason of a failure. By default the detail becomes the message's last line.
    virtual void InformationDetail(const QString &markup, const QString &detail);
    virtual bool OkCancelDetail(const QString &markup, const QString &detail);

    // File selector; returns the chosen paths, empty when cancelled.
    virtual QStringList ChooseFiles(const FileRequest &request) = 0;
    QString ChooseFile(const FileRequest &request)
    {
        const QStringList files = ChooseFiles(request);
        return files.isEmpty() ? QString() : files.first();
    }

    // Progress window. ProgressStep returns false once the user has asked to cancel.
    virtual void ProgressOpen(const QString &text, int maximum) = 0;
    virtual bool ProgressStep(int value) = 0;
    // For a transfer of unknown length: a busy indicator and the bytes received so far,
    // instead of a position. By default the position stays 0.
    virtual bool ProgressBytes(qint64 received);
    virtual void ProgressClose() = 0;

    // Open a URL in the default web browser; false when that failed.
    virtual bool OpenUrl(const QString &url) = 0;
};
