// The geocoding answer on arbitrary bytes: the element readers directly, then the whole
// look-up against a local fixture server that returns the input as its answer.
#include "fuzzserver.h"
#include "web/geocode.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray xml(reinterpret_cast<const char *>(data), int(size));
    for (const char *name : {"latitude", "city", "quality", "uzip", ""}) {
        QByteArray text = "untouched";
        if (XmlTagText(xml, name, text))
            FUZZ_CHECK(text.size() <= xml.size());
        else
            FUZZ_CHECK(text == "untouched");
        double value = 12.5;
        if (XmlTagNumber(xml, name, value))
            FUZZ_CHECK(std::isfinite(value));
        else
            FUZZ_CHECK(value == 12.5);
    }
    // The whole look-up: a fixed query, the input as the answer.
    TestHttpServer &server = FuzzServer();
    server.SetFallback(TestHttpServer::Ok(xml));
    server.requests.clear();
    FuzzPrompter prompter;
    GeocodeData result;
    const bool answered = GeocodeLookup(QStringLiteral("Via Roma 12, Roma"), result, prompter, server.BaseUrl());
    FUZZ_CHECK(answered == !xml.isEmpty());
    return 0;
}
