#include "startup/stored_login.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace sumbrel {

namespace {

QSettings& store()
{
    static QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("fsOrvik"));
    return settings;
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
    return store().fileName();
}

QString ReadStoredLogin()
{
    QSettings& s = store();
    s.sync();
    return s.value(QStringLiteral("Login/A"), QString()).toString();
}

void WriteStoredLogin(const QString& value)
{
    QSettings& s = store();
    // The file holds the password: create it private before anything is written into it.
    ownerOnly(s.fileName());
    s.setValue(QStringLiteral("Login/A"), value);
    s.sync();
    ownerOnly(s.fileName());
}

QStringList SplitStoredLogin(const QString& value, const QString& separator)
{
    QStringList fields = value.split(separator);
    if (fields.size() != 4)
        fields = QString::fromUtf16(kDefaultStoredLogin).split(separator);
    return fields;
}

}  // namespace sumbrel
