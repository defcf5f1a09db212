#include "startup/stored_login.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace sumbrel {

namespace {

// Opened per use, like the registry key it stands for: the store's place is read anew each time.
std::unique_ptr<QSettings> store()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("fsOrvik"));
}

void ownerOnly(const QString& path)
{
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.close();
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

}  // namespace

QString StoredLoginFile()
{
    return store()->fileName();
}

QString ReadStoredLogin()
{
    return store()->value(QStringLiteral("Login/A"), QString()).toString();
}

bool WriteStoredLogin(const QString& value)
{
    const std::unique_ptr<QSettings> s = store();
    // The file holds the password: create it private before anything is written into it.
    ownerOnly(s->fileName());
    s->setValue(QStringLiteral("Login/A"), value);
    s->sync();
    ownerOnly(s->fileName());
    return s->status() == QSettings::NoError;
}

QStringList SplitStoredLogin(const QString& value, const QString& separator)
{
    QStringList fields = value.split(separator);
    if (fields.size() != 4)
        fields = QString::fromUtf16(kDefaultStoredLogin).split(separator);
    return fields;
}

}  // namespace sumbrel
