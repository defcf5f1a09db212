#pragma once
// The menu item's photo: the picture file when there is one, else the shared placeholder.
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

namespace sumbrel {

// The placeholder for an item without a photo, drawn at the given size.
QPixmap MenuPhotoPlaceholder(QSize size);

// menuImageFolder + "/" + num + ".png" drawn to the label's size on white, else the placeholder.
// A file that exists but cannot be read shows the placeholder and the failure goes on to the caller.
void ShowMenuPhoto(QLabel* photo, const QString& num);

}  // namespace sumbrel
