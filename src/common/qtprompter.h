#pragma once

#include "common/prompter.h"

#include <QPointer>

class QWidget;
class QProgressDialog;

// The Prompter of the GUI: message boxes with exactly the program's buttons, file
// dialogs, a progress window and the desktop's web browser.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr) : parent_(parent) {}
    ~QtPrompter() override;

    void SetParent(QWidget *parent) { parent_ = parent; }

    void Information(const QString &markup) override;
    bool OkCancel(const QString &markup) override;
    void InformationDetail(const QString &markup, const QString &detail) override;
    bool OkCancelDetail(const QString &markup, const QString &detail) override;
    bool YesNo(const QString &markup) override;
    bool YesNoDefaultNo(const QString &markup) override;
    Answer YesNoCancel(const QString &markup) override;
    QStringList ChooseFiles(const FileRequest &request) override;
    void ProgressOpen(const QString &text, int maximum) override;
    bool ProgressStep(int value) override;
    bool ProgressBytes(qint64 received) override;
    void ProgressClose() override;
    bool OpenUrl(const QString &url) override;

private:
    QWidget *Parent() const;

    QPointer<QWidget> parent_;
    QProgressDialog *progress_ = nullptr;
    bool cancelled_ = false;
    QString progressText_;  // the window's text and range as opened
    int progressMaximum_ = 0;
    bool busy_ = false;     // showing the busy indicator (ProgressBytes)
};
