#pragma once

#include "web/endpoints.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Prompter;

// Which directory an InfoBel search looks in.
enum InfoBelSearchKind { Private = 0, Business = 1, Inverse = 2 };

// The search input. `lastname` is the keyword of a business search.
struct InfoBelQuery
{
    QString country;
    QString firstname;
    QString lastname;
    QString city;
    QString category;
    QString phone;
    int kind = Private;
};

// One hit of a search.
struct InfoBelResult
{
    QString country;
    QString name;
    QString street;
    QString number;
    QString zip;
    QString city;
    QString phone;

    bool operator==(const InfoBelResult &o) const
    {
        return country == o.country && name == o.name && street == o.street
            && number == o.number && zip == o.zip && city == o.city && phone == o.phone;
    }
};

// The directory's scheme and host: `host` as it is when it carries a scheme, else
// "https://" + host.
QByteArray InfoBelSite(const QByteArray &host);

// The search URL of `query` without paging, in code page 1252 bytes: site, "/it/",
// the country, the kind's path and its keys. Empty for an unknown kind.
QByteArray InfoBelBaseUrl(const InfoBelQuery &query, const QByteArray &host = kInfoBelHost);

// The URL of the page starting at hit `first`.
QByteArray InfoBelPageUrl(const QByteArray &baseUrl, int first);

// Searches the directory. Stores up to `max` hits, from hit `first` on, into `hits`
// (grown to `max` entries when shorter; entries past the stored ones are left alone)
// and returns the total the directory reports, 0 for none, or -1 on failure (unknown
// kind, a page that could not be fetched, a follow-up page without result links, a
// broken result link, a nonsensical negative count); `failure` (when given) then says
// why (the fetch's reason, or "The server's answer could not be read"). Fetches further
// pages while fewer than `max` hits are stored and the total is not reached.
int InfoBelSearch(const InfoBelQuery &query, QList<InfoBelResult> &hits, int first, int max,
                  Prompter &prompter, const QByteArray &host = kInfoBelHost, QString *failure = nullptr);

// The hit count printed on a page, 0 when the page has none.
int InfoBelTotal(const QByteArray &page);

// The value of `key` (e.g. "QName=") in a result link's parameter string, up to the
// next "&", decoded from code page 1252; empty when the key is absent.
QString InfoBelParam(const QByteArray &params, const QByteArray &key);
