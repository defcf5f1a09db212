#pragma once
// A certificate for 127.0.0.1 made on the spot with the openssl tool, for the https cases.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace sumbrel::testing {

struct TestCertificate {
    QString cert;  // PEM, self-signed, so it is its own authority
    QString key;
    QString error;  // empty when both files were made
};

inline TestCertificate MakeCertificate(const QString& folder)
{
    TestCertificate c{folder + QStringLiteral("/cert.pem"), folder + QStringLiteral("/key.pem"), {}};
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), c.key, QStringLiteral("-out"), c.cert, QStringLiteral("-days"),
                   QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(20000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0)
        c.error = QStringLiteral("openssl failed: ") + QString::fromLocal8Bit(openssl.readAllStandardError())
            + openssl.errorString();
    return c;
}

}  // namespace sumbrel::testing
