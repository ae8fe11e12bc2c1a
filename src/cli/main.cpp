// kestravon-cli: the phonebook editor's command-line companion.
#include "cli/cliprompter.h"
#include "cli/commandline.h"
#include "common/version.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

int Print(FILE *stream, const QByteArray &text, int status)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
    return std::fflush(stream) == 0 && !std::ferror(stream) ? status : kCliFailed;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The window's settings (~/.config/KESTRAVON/), e.g. the region of phone numbers.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kProgramName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const CliRequest request = ParseCliArguments(args);
    switch (request.action) {
    case CliRequest::Help:
        return Print(stdout, CliHelpText(), kCliOk);
    case CliRequest::CommandHelp:
        return Print(stdout, CliCommandHelpText(*request.command), kCliOk);
    case CliRequest::Version:
        return Print(stdout, CliVersionText(), kCliOk);
    case CliRequest::Usage:
        return Print(stderr,
                     (request.command ? CliCommandHelpText(*request.command) : CliUsageText())
                         + "kestravon-cli: " + request.error + '\n' + "Try 'kestravon-cli --help' for more information.\n",
                     kCliUsage);
    case CliRequest::Run:
        break;
    }
    CliPrompter prompter(request.args.keepLong);
    return request.command->run(request.args, prompter);
}
