#pragma once
// A local HTTPS server for the update tests: listens on 127.0.0.1 only, with the
// throw-away certificate of tests/data/updates, and answers each path as scripted.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSslCertificate>
#include <QSslServer>
#include <QString>

struct Reply {
    int status = 200;
    QByteArray body;
    qint64 announced = -1; // Content-Length sent; -1: the body's length
    bool silent = false;   // accept the request and never answer
};

class UpdateServer : public QObject {
public:
    UpdateServer();
    // The certificate that tests trust.
    static QSslCertificate certificate();
    quint16 port() const { return m_server.serverPort(); }
    QString baseUrl() const { return QStringLiteral("https://127.0.0.1:%1/").arg(port()); }
    void serve(const QString &path, const Reply &reply) { m_replies.insert(path, reply); }
    QStringList requests; // paths asked for, in order

private:
    void answer(QSslSocket *socket);
    QSslServer m_server;
    QHash<QString, Reply> m_replies;
};

// The SHA-256 of bytes in lower-case hex.
QString Sha256Hex(const QByteArray &bytes);
// "version,checksum" CR LF.
QByteArray Manifest(const QString &version, const QByteArray &setup);
