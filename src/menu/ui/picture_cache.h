#pragma once
// Scaled menu pictures, decoded once per file, size and modification time: paging back and forth
// decodes nothing again, and a picture replaced on disk is decoded afresh.
#include <QCache>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace sumbrel::menu {

class PictureCache {
public:
    // The one cache of the running terminal.
    static PictureCache& shared();

    explicit PictureCache(int maxKilobytes = 64 * 1024);

    // The file stretched to the size on white (as LoadPngPicture draws it); a null pixmap when the
    // file is missing or cannot be decoded (the caller shows the placeholder then).
    QPixmap scaled(const QString& path, QSize size);

    // Decodes done so far (for tests and benchmarks).
    int decodeCount() const { return m_decodes; }
    void clear();

private:
    QCache<QString, QPixmap> m_cache;
    int m_decodes = 0;
};

}  // namespace sumbrel::menu
