#include "testhttpserver.h"

#include <QHostAddress>
#include <QSslConfiguration>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

} // namespace

QByteArray TestHttpServer::Request::Header(const QByteArray &name) const
{
    for (const auto &h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    return {};
}

TestHttpServer::TestHttpServer(QObject *parent)
    : QObject(parent), server_(new QTcpServer(this))
{
    fallback_ = Status(404, "<html><body>Not Found</body></html>");
    connect(server_, &QTcpServer::newConnection, this, &TestHttpServer::OnNewConnection);
}

TestHttpServer::~TestHttpServer()
{
    // Sockets are children of the server object and go with it; stalled connections
    // are simply dropped.
    server_->close();
}

bool TestHttpServer::Listen()
{
    return server_->listen(QHostAddress::LocalHost, 0);
}

bool TestHttpServer::ListenTls(const QSslCertificate &certificate, const QSslKey &key)
{
    auto *ssl = new QSslServer(this);
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setLocalCertificate(certificate);
    config.setPrivateKey(key);
    config.setPeerVerifyMode(QSslSocket::VerifyNone);
    ssl->setSslConfiguration(config);
    // A TLS connection becomes pending only once its handshake is done.
    connect(ssl, &QTcpServer::pendingConnectionAvailable, this, &TestHttpServer::OnNewConnection);
    delete server_;
    server_ = ssl;
    tls_ = true;
    return server_->listen(QHostAddress::LocalHost, 0);
}

quint16 TestHttpServer::Port() const
{
    return server_->serverPort();
}

QByteArray TestHttpServer::HostPort() const
{
    return "127.0.0.1:" + QByteArray::number(Port());
}

QByteArray TestHttpServer::BaseUrl() const
{
    return (tls_ ? "https://" : "http://") + HostPort();
}

void TestHttpServer::Route(const QByteArray &target, const Response &response)
{
    routes_.insert(target, response);
}

void TestHttpServer::SetFallback(const Response &response)
{
    fallback_ = response;
}

QByteArrayList TestHttpServer::Targets() const
{
    QByteArrayList out;
    for (const Request &r : requests)
        out.append(r.target);
    return out;
}

void TestHttpServer::OnNewConnection()
{
    while (QTcpSocket *socket = server_->nextPendingConnection()) {
        ++connections;
        socket->setParent(this);
        pending_.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            pending_.remove(socket);
            socket->deleteLater();
        });
    }
}

void TestHttpServer::OnReadyRead(QTcpSocket *socket)
{
    auto it = pending_.find(socket);
    if (it == pending_.end()) {
        socket->readAll();  // already answered (or answering): ignore the rest
        return;
    }
    it.value() += socket->readAll();
    const int end = int(it.value().indexOf("\r\n\r\n"));
    if (end < 0)
        return;
    const QByteArray head = it.value().left(end);
    pending_.erase(it);

    Request request;
    const QByteArrayList lines = head.split('\n');
    const QByteArray requestLine = lines.value(0).trimmed();
    const int sp1 = int(requestLine.indexOf(' '));
    const int sp2 = int(requestLine.lastIndexOf(' '));
    if (sp1 > 0 && sp2 > sp1) {
        request.method = requestLine.left(sp1);
        request.target = requestLine.mid(sp1 + 1, sp2 - sp1 - 1);
        request.version = requestLine.mid(sp2 + 1);
    } else {
        request.target = requestLine;
    }
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = int(line.indexOf(':'));
        if (colon > 0)
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    requests.append(request);

    auto route = routes_.constFind(request.target);
    if (route == routes_.constEnd()) {
        const int q = int(request.target.indexOf('?'));
        if (q >= 0)
            route = routes_.constFind(request.target.left(q));
    }
    Answer(socket, route != routes_.constEnd() ? route.value() : fallback_);
}

void TestHttpServer::Answer(QTcpSocket *socket, const Response &response)
{
    if (response.stall)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
        + ReasonPhrase(response.status) + "\r\n";
    head += "Content-Type: text/plain\r\n";
    if (response.contentLength)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (const auto &h : response.headers)
        head += h.first + ": " + h.second + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    socket->flush();
    if (response.stallAfterHeaders)
        return;
    SendChunk(socket, response.body, qMax(1, response.chunks), response.chunkDelayMs);
}

void TestHttpServer::SendChunk(QTcpSocket *socket, QByteArray body, int pieces, int delayMs)
{
    const int size = pieces <= 1 ? int(body.size()) : int((body.size() + pieces - 1) / pieces);
    socket->write(body.left(size));
    socket->flush();
    body.remove(0, size);
    if (pieces <= 1 || body.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    // The socket is the timer's context: a connection the client dropped ends the sending.
    QTimer::singleShot(delayMs, socket, [this, socket, body, pieces, delayMs] {
        SendChunk(socket, body, pieces - 1, delayMs);
    });
}
