#pragma once
// What the wait panel shows while the pictures come down, and the counts at the end. No widgets.
#include "catalogue/picture_download.h"

#include <QString>

namespace sumbrel::settings {

struct DownloadPanel {
    int value = 0;  // the bar: files finished
    int maximum = 0;  // the bar: files in all
    QString count;  // "12 / 87": the file being fetched of all
    QString item;  // what that file is: the logo, or the menu number and title
};

// The panel for a progress report of DownloadPictures; current is "logo", a menu number, or empty at the end.
// catalogue: where the item's title is looked up (none: the number alone).
DownloadPanel DownloadPanelFor(int done, int total, const QString& current, const MenuCatalogue* catalogue);

// "저장 85개 · 실패 2개 · 서버에 없음 1개"
QString DownloadSummaryText(const DownloadSummary& summary);

}  // namespace sumbrel::settings
