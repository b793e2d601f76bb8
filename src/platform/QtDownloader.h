#pragma once
// Downloads over https with QNetworkAccessManager: certificates verified (no TLS error is
// ever ignored), chunks of at most 16384 bytes, a limit on silence and on the whole
// transfer, and a file written to a temporary name and renamed over its target only
// when the status, the length and the checksum all check out.

#include "core/Services.h"

#include <QList>
#include <QSslCertificate>

class QtDownloader : public IDownloader {
public:
    // 'extraAuthorities' are trusted besides the system's certificate authorities (tests
    // trust their own throw-away certificate this way; the program passes none).
    explicit QtDownloader(QList<QSslCertificate> extraAuthorities = {});
    std::unique_ptr<IDownload> start(const DownloadRequest &request, Progress progress, Done done) override;

private:
    QList<QSslCertificate> m_extra;
};
