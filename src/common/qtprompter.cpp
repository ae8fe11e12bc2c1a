#include "common/qtprompter.h"

#include "common/markup.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

namespace {

struct ButtonSpec
{
    QString text;
    Prompter::Answer answer;
    QMessageBox::ButtonRole role;
};

// The standard buttons' texts, in Qt's own translation (the system's qtbase translation
// holds them under this context); the English texts unchanged otherwise.
QString StandardText(const char *english)
{
    return QCoreApplication::translate("QPlatformTheme", english);
}

Prompter::Answer Ask(QWidget *parent, const QString &markup, QMessageBox::Icon icon,
                     const QList<ButtonSpec> &buttons, Prompter::Answer escape, const QString &detail = QString(),
                     int defaultIndex = 0)
{
    QMessageBox box(parent);
    box.setIcon(icon);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setTextFormat(Qt::RichText);
    box.setText(MarkupToHtml(markup));
    if (!detail.isEmpty())
        box.setInformativeText(detail.toHtmlEscaped());
    QList<QPair<QAbstractButton *, Prompter::Answer>> map;
    for (const ButtonSpec &b : buttons) {
        QPushButton *button = box.addButton(b.text, b.role);
        map.append({button, b.answer});
        if (map.size() == defaultIndex + 1)
            box.setDefaultButton(button);
        if (b.answer == escape)
            box.setEscapeButton(button);
    }
    box.exec();
    for (const auto &entry : map)
        if (entry.first == box.clickedButton())
            return entry.second;
    return escape;
}

} // namespace

QtPrompter::~QtPrompter()
{
    delete progress_;
}

QWidget *QtPrompter::Parent() const
{
    if (parent_)
        return parent_;
    return QApplication::activeWindow();
}

void QtPrompter::Information(const QString &markup)
{
    InformationDetail(markup, QString());
}

void QtPrompter::InformationDetail(const QString &markup, const QString &detail)
{
    Ask(Parent(), markup, QMessageBox::Information,
        {{StandardText("OK"), Answer::Ok, QMessageBox::AcceptRole}}, Answer::Ok, detail);
}

bool QtPrompter::OkCancel(const QString &markup)
{
    return OkCancelDetail(markup, QString());
}

bool QtPrompter::OkCancelDetail(const QString &markup, const QString &detail)
{
    return Ask(Parent(), markup, QMessageBox::Question,
               {{StandardText("OK"), Answer::Ok, QMessageBox::AcceptRole},
                {StandardText("Cancel"), Answer::Cancel, QMessageBox::RejectRole}},
               Answer::Cancel, detail)
        == Answer::Ok;
}

bool QtPrompter::YesNo(const QString &markup)
{
    return Ask(Parent(), markup, QMessageBox::Question,
               {{StandardText("&Yes"), Answer::Yes, QMessageBox::YesRole},
                {StandardText("&No"), Answer::No, QMessageBox::NoRole}},
               Answer::No)
        == Answer::Yes;
}

bool QtPrompter::YesNoDefaultNo(const QString &markup)
{
    return Ask(Parent(), markup, QMessageBox::Question,
               {{StandardText("&Yes"), Answer::Yes, QMessageBox::YesRole},
                {StandardText("&No"), Answer::No, QMessageBox::NoRole}},
               Answer::No, QString(), 1)
        == Answer::Yes;
}

Prompter::Answer QtPrompter::YesNoCancel(const QString &markup)
{
    return Ask(Parent(), markup, QMessageBox::Question,
               {{StandardText("&Yes"), Answer::Yes, QMessageBox::YesRole},
                {StandardText("&No"), Answer::No, QMessageBox::NoRole},
                {StandardText("Cancel"), Answer::Cancel, QMessageBox::RejectRole}},
               Answer::Cancel);
}

QStringList QtPrompter::ChooseFiles(const FileRequest &request)
{
    QFileDialog dialog(Parent(), request.title, request.directory, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    switch (request.mode) {
    case FileRequest::Mode::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileRequest::Mode::OpenMany:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        break;
    case FileRequest::Mode::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    }
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposed.isEmpty())
        dialog.selectFile(request.proposed);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void QtPrompter::ProgressOpen(const QString &text, int maximum)
{
    delete progress_;
    cancelled_ = false;
    progressText_ = text;
    progressMaximum_ = maximum;
    busy_ = false;
    progress_ = new QProgressDialog(text, StandardText("Cancel"), 0, maximum, Parent());
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setValue(0);
    QObject::connect(progress_, &QProgressDialog::canceled, progress_, [this] { cancelled_ = true; });
    progress_->show();
}

bool QtPrompter::ProgressStep(int value)
{
    if (progress_) {
        if (busy_) {  // back from the busy indicator
            busy_ = false;
            progress_->setLabelText(progressText_);
            progress_->setRange(0, progressMaximum_);
        }
        progress_->setValue(value);
        QApplication::processEvents();
    }
    return !cancelled_;
}

bool QtPrompter::ProgressBytes(qint64 received)
{
    if (progress_) {
        // A range of 0 to 0 makes the bar a busy indicator.
        busy_ = true;
        progress_->setRange(0, 0);
        progress_->setValue(0);
        // Nothing yet: the text alone.
        progress_->setLabelText(received <= 0 ? progressText_
                                              : progressText_ + QLatin1Char('\n')
                                    + QCoreApplication::translate("QtPrompter", "%1 received").arg(QLocale().formattedDataSize(received)));
        QApplication::processEvents();
    }
    return !cancelled_;
}

void QtPrompter::ProgressClose()
{
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
}

bool QtPrompter::OpenUrl(const QString &url)
{
    return QDesktopServices::openUrl(QUrl(url));
}
