// The InfoBel result pages on arbitrary bytes: the count, the parameters of a link and the
// cutting of hits out of the pages. The search runs against a local fixture server that
// serves the first part of the input as the first page and the second part (after a
// separator line) as every further page. Never a crash; the result is -1 or a count.
#include "fuzzserver.h"
#include "web/infobel.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int first = data[0] % 4;
    const int max = 1 + data[1] % 24;
    QByteArray page, next;
    FuzzSplit(data + 2, size - 2, page, next);

    FUZZ_CHECK(InfoBelTotal(page) == InfoBelTotal(page));
    const QByteArray key = next.left(8);
    const QString value = InfoBelParam(page, key);
    FUZZ_CHECK(value.size() <= page.size());

    InfoBelQuery query;
    query.country = QStringLiteral("ITALY");
    query.lastname = QStringLiteral("Rossi");
    TestHttpServer &server = FuzzServer();
    const QByteArray base = InfoBelBaseUrl(query, server.BaseUrl());
    const QByteArray firstUrl = InfoBelPageUrl(base, first);
    server.Route(firstUrl.mid(firstUrl.indexOf('/')), TestHttpServer::Ok(page));
    server.SetFallback(TestHttpServer::Ok(next));
    server.requests.clear();
    FuzzPrompter prompter;
    QList<InfoBelResult> hits;
    const int total = InfoBelSearch(query, hits, first, max, prompter, server.BaseUrl());
    FUZZ_CHECK(total >= -1);
    if (total > 0)
        FUZZ_CHECK(hits.size() >= max);
    return 0;
}
