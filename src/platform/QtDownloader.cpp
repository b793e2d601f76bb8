#include "platform/QtDownloader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>

namespace {
constexpr qint64 kChunk = 16384;

// One download. Its own network manager: one that has met a refused certificate keeps
// refusing that host for the rest of its life.
class Job : public QObject, public IDownload {
public:
    Job(const DownloadRequest &request, const QList<QSslCertificate> &extra, IDownloader::Progress progress,
        IDownloader::Done done)
        : m_request(request), m_progress(std::move(progress)), m_done(std::move(done)),
          m_hash(QCryptographicHash::Sha256)
    {
        const QUrl url(request.url);
        if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
            failLater();
            return;
        }
        if (!request.localFile.isEmpty()) {
            QDir().mkpath(QFileInfo(request.localFile).absolutePath());
            m_file = std::make_unique<QSaveFile>(request.localFile);
            if (!m_file->open(QIODevice::WriteOnly)) {
                failLater();
                return;
            }
        }
        QNetworkRequest req(url);
        req.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        req.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("tessolan-primer"));
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setPeerVerifyMode(QSslSocket::VerifyPeer);
        if (!extra.isEmpty())
            ssl.addCaCertificates(extra);
        req.setSslConfiguration(ssl);

        m_manager = new QNetworkAccessManager(this);
        m_reply = m_manager->get(req);
        m_reply->setReadBufferSize(4 * kChunk);
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { readChunks(); });
        connect(m_reply, &QNetworkReply::finished, this, [this] { finish(); });

        m_idle.setSingleShot(true);
        connect(&m_idle, &QTimer::timeout, this, [this] { abort(); });
        m_idle.start(request.idleTimeoutMs);
        if (request.totalTimeoutMs > 0) {
            m_total.setSingleShot(true);
            connect(&m_total, &QTimer::timeout, this, [this] { abort(); });
            m_total.start(request.totalTimeoutMs);
        }
    }

    ~Job() override
    {
        // Cancelled or finished: nothing more is reported, a partial file is dropped.
        m_done = nullptr;
        m_progress = nullptr;
        if (m_reply) {
            m_reply->disconnect(this);
            m_reply->abort();
        }
        if (m_file)
            m_file->cancelWriting();
    }

private:
    void failLater()
    {
        QTimer::singleShot(0, this, [this] { report(false); });
    }

    void abort()
    {
        if (!m_reply || m_finished)
            return;
        m_failed = true;
        m_reply->abort(); // finished() follows
    }

    void readChunks()
    {
        if (!m_reply || m_failed)
            return;
        m_idle.start(m_request.idleTimeoutMs);
        while (m_reply->bytesAvailable() > 0) {
            const QByteArray chunk = m_reply->read(kChunk);
            if (chunk.isEmpty())
                break;
            ++m_chunks;
            m_bytes += chunk.size();
            if (m_request.maxBytes >= 0 && m_bytes > m_request.maxBytes) {
                m_tooLarge = true;
                abort();
                return;
            }
            m_hash.addData(chunk);
            if (m_file) {
                if (m_file->write(chunk) != chunk.size()) {
                    abort();
                    return;
                }
            } else {
                m_body += chunk;
            }
            if (m_progress)
                m_progress(m_chunks, m_bytes);
        }
    }

    void finish()
    {
        if (m_finished)
            return;
        readChunks();
        m_finished = true;
        m_idle.stop();
        m_total.stop();
        bool ok = !m_failed && m_reply->error() == QNetworkReply::NoError
                  && m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
        // The whole body announced must have arrived.
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (ok && length.isValid() && length.toLongLong() != m_bytes)
            ok = false;
        if (ok && !m_request.sha256.isEmpty()
            && m_hash.result().toHex() != m_request.sha256.toLower().toLatin1())
            ok = false;
        if (m_file) {
            if (ok)
                ok = m_file->commit();
            else
                m_file->cancelWriting();
            m_file.reset();
        }
        m_reply->deleteLater();
        m_reply = nullptr;
        report(ok);
    }

    void report(bool ok)
    {
        DownloadResult result;
        result.ok = ok;
        result.tooLarge = m_tooLarge;
        if (ok && m_request.localFile.isEmpty())
            result.body = m_body;
        // The callback may destroy this download: nothing of it is touched afterwards.
        if (auto done = std::move(m_done)) {
            m_done = nullptr;
            done(result);
        }
    }

    DownloadRequest m_request;
    IDownloader::Progress m_progress;
    IDownloader::Done m_done;
    QNetworkAccessManager *m_manager = nullptr;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QSaveFile> m_file;
    QCryptographicHash m_hash;
    QByteArray m_body;
    QTimer m_idle, m_total;
    int m_chunks = 0;
    qint64 m_bytes = 0;
    bool m_failed = false, m_finished = false, m_tooLarge = false;
};
} // namespace

QtDownloader::QtDownloader(QList<QSslCertificate> extraAuthorities) : m_extra(std::move(extraAuthorities)) {}

std::unique_ptr<IDownload> QtDownloader::start(const DownloadRequest &request, Progress progress, Done done)
{
    return std::make_unique<Job>(request, m_extra, std::move(progress), std::move(done));
}
