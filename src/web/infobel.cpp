#include "web/infobel.h"

#include "common/numbers.h"
#include "web/cp1252.h"
#include "web/fetch.h"
#include "web/infobeltexts.h"

namespace {

// Characters escaped in the search values the user typed, and in the country, which
// is a part of the path.
const QByteArray kValueEscapes = QByteArrayLiteral("&+\"=%");
const QByteArray kPathEscapes = QByteArrayLiteral("&+\"=%?#/");

const QByteArray kTotalMarker = QByteArrayLiteral("class=\"result-info\"");
const QByteArray kLinkMarker = QByteArrayLiteral("href=\"mapresult.aspx?");

QByteArray Enc(const QString &value)
{
    return PercentEncode(EncodeCp1252(value), kValueEscapes);
}

} // namespace

QByteArray InfoBelSite(const QByteArray &host)
{
    return host.contains("://") ? host : "https://" + host;
}

QByteArray InfoBelBaseUrl(const InfoBelQuery &query, const QByteArray &host)
{
    QByteArray url = InfoBelSite(host) + "/it/" + PercentEncode(EncodeCp1252(query.country), kPathEscapes);
    switch (query.kind) {
    case Private:
        url += "/people.aspx?";
        url += "&qlastname=" + Enc(query.lastname);
        url += "&qfirstname=" + Enc(query.firstname);
        url += "&qcity=" + Enc(query.city);
        break;
    case Business:
        url += "/business.aspx?";
        url += "&qkeyword=" + Enc(query.lastname);
        if (!query.category.isEmpty())
            url += ' ' + Enc(query.category);
        url += "&qcityb=" + Enc(query.city);
        break;
    case Inverse:
        url += "/inverse.aspx?";
        url += "&qphone=" + Enc(query.phone);
        break;
    default:
        return QByteArray();
    }
    return url;
}

QByteArray InfoBelPageUrl(const QByteArray &baseUrl, int first)
{
    return baseUrl + "&firstrec=" + QByteArray::number(first);
}

int InfoBelTotal(const QByteArray &page)
{
    const qsizetype marker = page.indexOf(kTotalMarker);
    if (marker < 0)
        return 0;
    // Skip the marker and the character behind it; the count follows "/" and one
    // separating character.
    const qsizetype from = marker + kTotalMarker.size() + 1;
    if (from > page.size())
        return 0;
    const qsizetype slash = page.indexOf('/', from);
    if (slash < 0)
        return 0;
    return ScanInt(page, slash + 2);
}

QString InfoBelParam(const QByteArray &params, const QByteArray &key)
{
    const qsizetype at = params.indexOf(key);
    if (at < 0 || key.isEmpty())
        return QString();
    const qsizetype from = at + key.size();
    qsizetype end = params.indexOf('&', from);
    if (end < 0)
        end = params.size();
    return DecodeCp1252(params.mid(from, end - from));
}

int InfoBelSearch(const InfoBelQuery &query, QList<InfoBelResult> &hits, int first, int max,
                  Prompter &prompter, const QByteArray &host, QString *failure)
{
    const auto fail = [failure](const QString &why) {
        if (failure)
            *failure = why;
        return -1;
    };
    const QString unreadable = InfoBelText::Tr(InfoBelText::kUnreadable);
    const QByteArray base = InfoBelBaseUrl(query, host);
    // False, with the reason noted, when the page did not come or came empty.
    const auto fetch = [&](int from, QByteArray &page) {
        const FetchResult fetched = FetchUrl(InfoBelPageUrl(base, from), prompter);
        page = fetched.body;
        if (fetched.Ok() && !page.isEmpty())
            return true;
        fail(fetched.Ok() ? unreadable : fetched.Text());
        return false;
    };
    if (base.isEmpty())
        return fail(unreadable);
    if (first < 0)
        first = 0;

    QByteArray page;
    if (!fetch(first, page))
        return -1;
    const int total = InfoBelTotal(page);
    if (total < 0)
        return fail(unreadable);
    if (max < 1)
        return total;
    if (hits.size() < max)
        hits.resize(max);

    int cur = first;
    int n = 0;
    qsizetype pos = 0;
    while (cur < total && n < max) {
        qsizetype at = page.indexOf(kLinkMarker, pos);
        if (at < 0) {
            // Page exhausted: the hits from `cur` on are on the next page.
            if (!fetch(cur, page))
                return -1;
            at = page.indexOf(kLinkMarker);
            if (at < 0)
                return fail(unreadable);
        }
        const qsizetype from = at + kLinkMarker.size();
        const qsizetype quote = page.indexOf('"', from);
        if (quote <= from)
            return fail(unreadable);
        const QByteArray params = page.mid(from, quote - from);

        InfoBelResult &hit = hits[n];
        hit.name = InfoBelParam(params, "QName=");
        hit.street = InfoBelParam(params, "QStreet=");
        hit.number = InfoBelParam(params, "QNum=");
        hit.zip = InfoBelParam(params, "QZip=");
        hit.city = InfoBelParam(params, "QCity=");
        hit.phone = InfoBelParam(params, "qphone=");
        hit.country = query.country;

        ++n;
        ++cur;
        pos = from;
    }
    return total;
}
