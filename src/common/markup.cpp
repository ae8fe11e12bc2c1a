#include "common/markup.h"

#include <QStringList>

namespace {

// Stands for "-|" in the HTML being built, until the lines are laid out (a control
// character that message texts do not carry).
const QChar kTabMark(0x1F);

bool IsMarkupSpecial(QChar c)
{
    return c == QLatin1Char('&') || c == QLatin1Char('[') || c == QLatin1Char(']')
        || c == QLatin1Char('`') || c == QLatin1Char('{') || c == QLatin1Char('}');
}

// Walks the markup once; `html` chooses the output form.
QString Convert(const QString &markup, bool html)
{
    QString out;
    out.reserve(markup.size() + 16);
    // Closing tags of the open "[" spans, innermost last.
    QStringList open;
    const int n = markup.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = markup.at(i);
        if (c == QLatin1Char('`') && i + 1 < n) {
            const QChar lit = markup.at(++i);
            out += html ? QString(lit).toHtmlEscaped() : QString(lit);
        } else if (c == QLatin1Char('&')) {
            out += html ? QStringLiteral("<br>") : QStringLiteral("\n");
        } else if (c == QLatin1Char('-') && i + 1 < n && markup.at(i + 1) == QLatin1Char('|')) {
            ++i;
            out += html ? QString(kTabMark) : QStringLiteral("\t");
        } else if (c == QLatin1Char('[')) {
            // Format letters run up to the first blank: "*" bold, "3B" heading, others ignored.
            int j = i + 1;
            while (j < n && markup.at(j) != QLatin1Char(' ') && markup.at(j) != QLatin1Char(']'))
                ++j;
            const QString fmt = markup.mid(i + 1, j - i - 1);
            QString closing;
            if (html) {
                if (fmt.contains(QLatin1Char('3'))) {
                    out += QStringLiteral("<span style=\"font-size:large; font-weight:bold\">");
                    closing = QStringLiteral("</span>");
                } else if (fmt.contains(QLatin1Char('*'))) {
                    out += QStringLiteral("<b>");
                    closing = QStringLiteral("</b>");
                }
            }
            open.append(closing);
            i = (j < n && markup.at(j) == QLatin1Char(' ')) ? j : j - 1;
        } else if (c == QLatin1Char(']') && !open.isEmpty()) {
            out += open.takeLast();
        } else {
            out += html ? QString(c).toHtmlEscaped() : QString(c);
        }
    }
    while (!open.isEmpty())
        out += open.takeLast();
    return out;
}

// Lays out the lines of converted HTML: consecutive lines holding tabs become the rows of
// one table, a cell per tab-separated part, so the texts after a tab line up whatever
// the font. A closing tag at the start of such a line (a heading ended by the line break
// before it) is moved to the end of the line before.
QString AlignTabs(const QString &html)
{
    const QString br = QStringLiteral("<br>");
    QStringList lines = html.split(br);
    for (int i = 1; i < lines.size(); ++i) {
        while (lines[i].startsWith(QLatin1String("</"))) {
            const int end = int(lines[i].indexOf(QLatin1Char('>')));
            if (end < 0)
                break;
            lines[i - 1] += lines[i].left(end + 1);
            lines[i].remove(0, end + 1);
        }
    }
    QString out;
    bool inTable = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.contains(kTabMark)) {
            if (!inTable)
                out += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
            inTable = true;
            out += QStringLiteral("<tr><td>")
                + line.split(kTabMark).join(QStringLiteral("&nbsp;</td><td>")) + QStringLiteral("</td></tr>");
            continue;
        }
        if (inTable)
            out += QStringLiteral("</table>");
        else if (i > 0)
            out += br;
        // An empty line right below a table takes no height unless it is a break itself.
        out += (inTable && line.isEmpty()) ? br : line;
        inTable = false;
    }
    if (inTable)
        out += QStringLiteral("</table>");
    return out;
}

} // namespace

QString MarkupEscape(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool tab = c == QLatin1Char('-') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('|');
        if (IsMarkupSpecial(c) || tab)
            out += QLatin1Char('`');
        out += c;
    }
    return out;
}

QString MessagePath(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QString MarkupToHtml(const QString &markup)
{
    const QString html = Convert(markup, true);
    return html.contains(kTabMark) ? AlignTabs(html) : html;
}

QString MarkupToPlain(const QString &markup) { return Convert(markup, false); }
