#include "UpdateServer.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QSslKey>
#include <QSslSocket>

QSslCertificate UpdateServer::certificate() { return QSslCertificate(testData("updates/localhost.crt"), QSsl::Pem); }

UpdateServer::UpdateServer()
{
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    conf.setLocalCertificate(certificate());
    conf.setPrivateKey(QSslKey(testData("updates/localhost.key"), QSsl::Rsa, QSsl::Pem));
    conf.setPeerVerifyMode(QSslSocket::VerifyNone);
    m_server.setSslConfiguration(conf);
    QObject::connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (m_server.hasPendingConnections()) {
            auto *socket = qobject_cast<QSslSocket *>(m_server.nextPendingConnection());
            if (!socket)
                continue;
            socket->setParent(this);
            QObject::connect(socket, &QSslSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
    m_server.listen(QHostAddress::LocalHost, 0);
}

void UpdateServer::answer(QSslSocket *socket)
{
    const QByteArray request = socket->property("buffer").toByteArray() + socket->readAll();
    socket->setProperty("buffer", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QString path = QString::fromLatin1(request.split(' ').value(1)).mid(1);
    requests << path;
    const Reply reply = m_replies.value(path, Reply{404, "not here"});
    if (reply.silent)
        return;
    const qint64 length = reply.announced >= 0 ? reply.announced : reply.body.size();
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + (reply.status == 200 ? " OK" : " Error")
                      + "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\nContent-Length: "
                      + QByteArray::number(length) + "\r\n\r\n";
    socket->write(head + reply.body);
    socket->flush();
    socket->disconnectFromHost();
}

QString Sha256Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QByteArray Manifest(const QString &version, const QByteArray &setup)
{
    return version.toLatin1() + ',' + Sha256Hex(setup).toLatin1() + "\r\n";
}
