#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QQueue>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

// A scripted HTTP server on 127.0.0.1. Each request gets the next queued
// answer; a request with no answer left waits forever, like a stalled server.
class LocalHttpServer : public QObject
{
public:
    struct Answer
    {
        QByteArray bytes;   // sent at once after the request's headers
        bool close = true;  // close the connection afterwards
        int trickle = 0;    // then send one byte every this many ms (0: none)
    };

    LocalHttpServer()
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                socket->setParent(this);
                ++connections;
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            }
        });
    }

    void enqueue(const QByteArray& bytes, bool close = true, int trickle = 0) { answers.enqueue({bytes, close, trickle}); }
    void enqueueStall() { enqueue(QByteArray(), false); }

    static QByteArray reply(int status, const QByteArray& body, bool withLength = true)
    {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Type: text/xml\r\n";
        if (status >= 300 && status < 400)
            head += "Location: http://127.0.0.1:1/elsewhere.xml\r\n";
        if (withLength)
            head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        return head + "Connection: close\r\n\r\n" + body;
    }

    QString url(const QString& path = QStringLiteral("/vercheck/vorenda-linux-en.xml")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path);
    }
    quint16 port() const { return server.serverPort(); }

    int connections = 0;
    QList<QByteArray> requests;  // the head of every request received

private:
    void onReadyRead(QTcpSocket* socket)
    {
        QByteArray& buffer = buffers[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        requests.append(buffer.left(end));
        buffer.remove(0, end + 4);
        if (answers.isEmpty())
            return;
        const Answer answer = answers.dequeue();
        socket->write(answer.bytes);
        if (answer.trickle > 0) {
            auto* timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket] { socket->write(" "); });
            timer->start(answer.trickle);
        } else if (answer.close) {
            socket->disconnectFromHost();
        }
    }

    QTcpServer server;
    QQueue<Answer> answers;
    QHash<QTcpSocket*, QByteArray> buffers;
};
