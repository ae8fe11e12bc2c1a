#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>

class QSslCertificate;
class QSslKey;
class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 fixture server on 127.0.0.1 for tests.
//
// It lives in the test's own thread and is served by whatever event loop runs there:
// FetchUrl spins a local event loop while it waits, so a test simply calls the code under
// test and the server answers from inside that loop. Nothing leaves the machine.
//
//     TestHttpServer server;
//     QVERIFY(server.Listen());
//     server.Route("/software/lastversions.txt", TestHttpServer::Ok("KESTRAVON=v01.10,..."));
//     server.Route("/slow", TestHttpServer::Ok(body).Chunked(4, 100));   // 4 pieces, 100 ms apart
//     server.Route("/hang", TestHttpServer::Stalled());                  // accept, never answer
//     QByteArray body = FetchUrl(server.HostPort() + "/software/lastversions.txt", prompter);
//     QCOMPARE(server.Targets(), QByteArrayList{"/software/lastversions.txt"});
//
// Routing: a request target (path + query, exactly as received) is looked up first as a
// whole, then by its path alone (the part before "?"); a target with no route gets the
// fallback response (404 "Not Found" unless SetFallback changed it). Every response closes
// the connection after it has been sent.
class TestHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        // Send a Content-Length header; without it the end of the body is the closing of
        // the connection.
        bool contentLength = true;
        // Extra header lines, sent as given (e.g. {"Location", "/elsewhere"}).
        QList<QPair<QByteArray, QByteArray>> headers;
        // Body in `chunks` pieces of (nearly) equal size with `chunkDelayMs` between them;
        // the headers go out at once. 1 = the whole body at once.
        int chunks = 1;
        int chunkDelayMs = 0;
        // Accept the request and never answer (the connection stays open until the
        // server is destroyed).
        bool stall = false;
        // Send the headers, then stall before the body.
        bool stallAfterHeaders = false;

        Response &Chunked(int pieces, int delayMs)
        {
            chunks = pieces;
            chunkDelayMs = delayMs;
            return *this;
        }
        Response &WithoutLength()
        {
            contentLength = false;
            return *this;
        }
        Response &Header(const QByteArray &name, const QByteArray &value)
        {
            headers.append({name, value});
            return *this;
        }
    };

    // Convenience constructors for the usual responses.
    static Response Ok(const QByteArray &body) { return Status(200, body); }
    static Response Status(int status, const QByteArray &body)
    {
        Response r;
        r.status = status;
        r.body = body;
        return r;
    }
    static Response Stalled()
    {
        Response r;
        r.stall = true;
        return r;
    }

    // One request as received.
    struct Request
    {
        QByteArray method;   // "GET"
        QByteArray target;   // path with query string, byte for byte as sent
        QByteArray version;  // "HTTP/1.1"
        QList<QPair<QByteArray, QByteArray>> headers;  // in the order received
        QByteArray Header(const QByteArray &name) const;  // case-insensitive; empty if absent
    };

    explicit TestHttpServer(QObject *parent = nullptr);
    ~TestHttpServer() override;

    // Listens on 127.0.0.1 on a free port; false when that failed.
    bool Listen();
    // The same over TLS with the given certificate and its key: BaseUrl() is then
    // "https://...". Call instead of Listen().
    bool ListenTls(const QSslCertificate &certificate, const QSslKey &key);
    quint16 Port() const;
    // "127.0.0.1:<port>" (for callers that pass a host without scheme) and
    // "http://127.0.0.1:<port>".
    QByteArray HostPort() const;
    QByteArray BaseUrl() const;

    // Sets (or replaces) the response for a target ("/path" or "/path?query").
    void Route(const QByteArray &target, const Response &response);
    void SetFallback(const Response &response);

    // Every request received so far, in order of arrival.
    QList<Request> requests;
    // Their targets only.
    QByteArrayList Targets() const;
    // Connections accepted so far (a client may connect without sending a request).
    int connections = 0;

private:
    void OnNewConnection();
    void OnReadyRead(QTcpSocket *socket);
    void Answer(QTcpSocket *socket, const Response &response);
    void SendChunk(QTcpSocket *socket, QByteArray body, int pieces, int delayMs);

    QTcpServer *server_;
    bool tls_ = false;
    QHash<QByteArray, Response> routes_;
    Response fallback_;
    QHash<QTcpSocket *, QByteArray> pending_;  // bytes of a request not yet complete
};
