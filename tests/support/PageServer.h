#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

// A page of two colours: red on the left half, blue on the right.
inline const QByteArray COLOURS_PAGE =
    "<html><body style='margin:0'>"
    "<div style='position:absolute;left:0;top:0;width:50%;height:100%;background:#ff0000'></div>"
    "<div style='position:absolute;right:0;top:0;width:50%;height:100%;background:#0000ff'></div>"
    "</body></html>";

// A small HTTP server on 127.0.0.1 for Kestrim's tests. Each path answers as
// its route says: a page, after a hold; a redirect; or never. It counts the
// requests per path and the most pages it was answering at the same time.
// Bounded: request heads over 16 KB and connections beyond 64 are dropped.
class PageServer : public QObject
{
public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QByteArray location;  // for redirects
        int holdMs = 0;       // wait before answering
        bool stall = false;   // never answer
    };
    // The answer for the n-th request (from 1) of a path.
    using Route = std::function<Answer(int n)>;

    PageServer()
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                if (open >= 64) {
                    socket->abort();
                    socket->deleteLater();
                    continue;
                }
                ++open;
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
                connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                    --open;
                    heads.remove(socket);
                    socket->deleteLater();
                });
            }
        });
    }

    void route(const QByteArray& path, const Route& answer) { routes.insert(path, answer); }
    void page(const QByteArray& path, const QByteArray& html, int holdMs = 0)
    {
        route(path, [html, holdMs](int) {
            Answer answer;
            answer.body = html;
            answer.holdMs = holdMs;
            return answer;
        });
    }

    QString url(const QByteArray& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(QString::fromLatin1(path));
    }
    quint16 port() const { return server.serverPort(); }
    int requests(const QByteArray& path) const { return counts.value(path); }
    int mostAnsweredAtOnce() const { return mostBusy; }

private:
    void onReadyRead(QTcpSocket* socket)
    {
        QByteArray& head = heads[socket];
        head += socket->readAll();
        if (head.size() > 16 * 1024) {
            socket->abort();
            return;
        }
        const int end = head.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
        head.clear();
        const QByteArray path = requestLine.value(1);
        const int n = ++counts[path];
        const Answer answer = routes.contains(path) ? routes.value(path)(n) : Answer{404, "missing", {}, 0, false};
        if (answer.stall)
            return;
        ++busy;
        mostBusy = qMax(mostBusy, busy);
        QPointer<QTcpSocket> guarded(socket);
        QTimer::singleShot(answer.holdMs, this, [this, guarded, answer] {
            --busy;
            if (!guarded)
                return;
            QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " Answer\r\n";
            if (!answer.location.isEmpty())
                reply += "Location: " + answer.location + "\r\n";
            reply += "Content-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\nContent-Length: "
                + QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n" + answer.body;
            guarded->write(reply);
            guarded->disconnectFromHost();
        });
    }

    QTcpServer server;
    QHash<QByteArray, Route> routes;
    QHash<QByteArray, int> counts;
    QHash<QTcpSocket*, QByteArray> heads;
    int open = 0;
    int busy = 0;
    int mostBusy = 0;
};
