#pragma once
// The menu item's photo: the picture file when there is one, else the shared placeholder.
#include <QPixmap>
#include <QSize>
#include <QString>
#include <optional>

#include "startup/trace_log.h"

class QLabel;

namespace sumbrel {

namespace menu {
class PictureCache;
}

// The placeholder for an item without a photo, drawn at the given size (once per size).
QPixmap MenuPhotoPlaceholder(QSize size);

// menuImageFolder + "/" + num + ".png" drawn to the label's size on white, else the placeholder;
// kept in the page's cache of pictures, or decoded for this showing only without one.
// False when the file exists but cannot be read (the placeholder shows then).
bool SetMenuPhoto(menu::PictureCache* pictures, QLabel* photo, const QString& num);
// As SetMenuPhoto; a file that exists but cannot be read is the fault returned, for the caller's trace.
std::optional<Fault> ShowMenuPhoto(menu::PictureCache* pictures, QLabel* photo, const QString& num);

}  // namespace sumbrel
