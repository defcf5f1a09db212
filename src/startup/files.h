#pragma once
#include <QString>

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

}  // namespace sumbrel
