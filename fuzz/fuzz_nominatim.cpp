// The Nominatim answer on arbitrary bytes: the reader directly (with and without a house
// number asked for), then the whole look-up against the local fixture server, which
// returns the input as its answer. Never a crash; a result holds a finite coordinate
// within the earth's range, and the data is written only with a result.
#include "fuzzserver.h"
#include "web/geocodeprovider.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray answer(reinterpret_cast<const char *>(data), int(size));
    for (bool asked : {false, true}) {
        GeocodeResult out;
        out.data.city = QStringLiteral("untouched");
        if (ReadNominatimAnswer(answer, asked, out)) {
            FUZZ_CHECK(std::isfinite(out.data.latitude) && std::fabs(out.data.latitude) <= 90);
            FUZZ_CHECK(std::isfinite(out.data.longitude) && std::fabs(out.data.longitude) <= 180);
            FUZZ_CHECK(out.data.street.contains(QLatin1Char(',')));
        } else {
            FUZZ_CHECK(out.data.city == QLatin1String("untouched"));
        }
    }

    TestHttpServer &server = FuzzServer();
    server.SetFallback(TestHttpServer::Ok(answer));
    const NominatimProvider provider(server.BaseUrl());
    GeocodeSession session;  // no pacing or cache carried over between inputs
    FuzzPrompter prompter;
    GeocodeData result;
    result.city = QStringLiteral("untouched");
    GeocodeQuery query;
    query.address = QStringLiteral("Via Roma,12");
    query.city = QStringLiteral("Roma");
    if (!GeocodeLookup(query, result, prompter, provider, session))
        FUZZ_CHECK(result.city == QLatin1String("untouched"));
    return 0;
}
