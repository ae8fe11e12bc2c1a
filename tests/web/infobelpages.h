#pragma once

#include <QByteArray>

// Fixture pages in the form the directory answers: a count line behind the
// class="result-info" marker, then one result link per hit.
namespace InfoBelPages {

// The parameter string of the link of hit `k` (1-based).
inline QByteArray Params(int k)
{
    const QByteArray n = QByteArray::number(k);
    return "QName=NAME" + n + "&QStreet=STREET" + n + "&QNum=" + n + "&QZip=Z" + n
        + "&QCity=CITY" + n + "&qphone=06" + n;
}

inline QByteArray Link(const QByteArray &params)
{
    return "<li><a href=\"mapresult.aspx?" + params + "\">map</a></li>\n";
}

inline QByteArray Head(int total)
{
    return "<html><body>\n<div class=\"result-info\">Results / "
        + QByteArray::number(total) + " found</div>\n<ul>\n";
}

// A page reporting `total` hits and carrying the links of hits first+1 ... first+count.
inline QByteArray Page(int total, int first, int count)
{
    QByteArray page = Head(total);
    for (int k = first + 1; k <= first + count; ++k)
        page += Link(Params(k));
    return page + "</ul></body></html>\n";
}

} // namespace InfoBelPages
