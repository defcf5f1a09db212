#pragma once
#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace sumbrel {

bool FileExists(const QString& path);
bool FolderExists(const QString& path);
// Creates the folder and its missing parents (at most twelve per call, 500 ms apart).
// The caller's text gets a trailing "/" when it has none.
void MakeDirectory(QString& path);
inline void MakeDirectory(QString&& path)
{
    MakeDirectory(path);
}

// Replaces the file's whole content: written beside it and renamed over it, so the file is the old
// one or the new one, never a part. False (the file as it was) with why, when the bytes could not
// all be written (a full or read-only disk). permissions: the new file's, when given.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* why = nullptr,
                 std::optional<QFileDevice::Permissions> permissions = std::nullopt);

}  // namespace sumbrel
