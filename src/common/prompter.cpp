#include "common/prompter.h"

#include "common/markup.h"

namespace {

QString WithDetail(const QString &markup, const QString &detail)
{
    return detail.isEmpty() ? markup : markup + QLatin1Char('&') + MarkupEscape(detail);
}

} // namespace

void Prompter::InformationDetail(const QString &markup, const QString &detail)
{
    Information(WithDetail(markup, detail));
}

bool Prompter::OkCancelDetail(const QString &markup, const QString &detail)
{
    return OkCancel(WithDetail(markup, detail));
}

bool Prompter::ProgressBytes(qint64)
{
    return ProgressStep(0);
}
