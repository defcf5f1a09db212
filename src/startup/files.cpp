#include "startup/files.h"

#include <QSaveFile>

#include "startup/trace_log.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace sumbrel {

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool FolderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

void MakeDirectory(QString& path)
{
    constexpr int kMaxCreated = 12;
    auto trace = [&](int line, int err) {
        WriteLog(QStringLiteral("e)lib_File->MakeDirectory(strPathName:=") + path + QStringLiteral(")[")
                 + QString::number(line) + QStringLiteral("](") + QString::number(err) + u')'
                 + QString::fromLocal8Bit(std::strerror(err)));
    };
    // Absolute paths start after the root; relative ones at their first character.
    qsizetype pos = path.startsWith(u'/') ? 1 : 0;
    if (!path.endsWith(u'/'))
        path += u'/';
    int created = 0;
    while (true) {
        if (FolderExists(path.left(path.size() - 1)))
            return;
        const qsizetype slash = path.indexOf(u'/', pos);
        if (slash < 0)
            return;
        const QString folder = path.left(slash);
        if (!folder.isEmpty() && !FolderExists(folder)) {
            const QByteArray native = QFile::encodeName(folder);
            // mkdir returns once the folder is there: the next level can be made at once, no wait.
            if (::mkdir(native.constData(), 0755) != 0) {
                trace(__LINE__, errno);
            } else if (++created >= kMaxCreated) {
                return;
            }
        }
        pos = slash + 1;
    }
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* why,
                 std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    bool whole = file.open(QIODevice::WriteOnly) && (!permissions || file.setPermissions(*permissions))
        && file.write(bytes) == bytes.size();
    // The write may only have filled the device's buffer; a failing flush is not seen by commit()
    // (it would put an empty file in the old one's place), so it is checked here.
    whole = whole && file.flush();
    if (!whole) {
        if (why)
            *why = file.errorString();
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit()) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return true;
}

}  // namespace sumbrel
