#pragma once

// For targets whose input is served over HTTP: one fixture server on 127.0.0.1 for the
// whole run, and the application object that Qt Network needs.
#include "fuzzsupport.h"

#include "support/testhttpserver.h"

inline TestHttpServer &FuzzServer()
{
    static TestHttpServer *server = [] {
        auto *s = new TestHttpServer;
        FUZZ_CHECK(s->Listen());
        return s;
    }();
    return *server;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}
