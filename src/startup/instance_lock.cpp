#include "startup/startup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace sumbrel {

namespace {

std::unique_ptr<QLockFile> g_instanceLock;

// A folder of our own under /tmp, private to the user, when the session has no runtime folder.
QString privateTmpFolder()
{
    const QString folder = QStringLiteral("/tmp/sumbrel-") + QString::number(::getuid());
    const QByteArray native = QFile::encodeName(folder);
    ::mkdir(native.constData(), 0700);
    struct stat st { };
    // Someone else's folder of that name must not decide whether we run.
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return QString();
    return folder;
}

// Outcome of one try: held, held by another copy, or the place cannot hold a lock at all.
enum class Try { Held, Busy, Unusable };

Try tryLock(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // A lock left by a crashed copy names a dead process and is taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        g_instanceLock = std::move(lock);
        return Try::Held;
    }
    return lock->error() == QLockFile::LockFailedError ? Try::Busy : Try::Unusable;
}

}  // namespace

QString RuntimeLockPath(const QString& folder)
{
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QFileInfo(runtime).isDir())
        runtime = privateTmpFolder();
    if (runtime.isEmpty())
        return QString();
    // One name per program folder, so copies in other folders still run side by side.
    const QByteArray key = QFile::encodeName(QDir(folder).absolutePath());
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32));
    return runtime + QStringLiteral("/Sumbrel-") + hash + QStringLiteral(".lock");
}

bool AcquireInstanceLock(const QString& folder)
{
    switch (tryLock(folder + QStringLiteral("/Sumbrel.lock"))) {
    case Try::Held:
        return true;
    case Try::Busy:
        return false;
    case Try::Unusable:
        break;
    }
    // A read-only program folder: the lock moves to the user's runtime folder. When no place at
    // all can hold one, the program runs on rather than refusing a copy that is not there.
    const QString fallback = RuntimeLockPath(folder);
    return fallback.isEmpty() || tryLock(fallback) != Try::Busy;
}

QString InstanceLockPath()
{
    return g_instanceLock ? g_instanceLock->fileName() : QString();
}

void ReleaseInstanceLock()
{
    g_instanceLock.reset();
}

}  // namespace sumbrel
