#include "settings/download_progress.h"

#include "catalogue/menu_catalogue.h"

namespace sumbrel::settings {

DownloadPanel DownloadPanelFor(int done, int total, const QString& current, const MenuCatalogue* catalogue)
{
    DownloadPanel panel;
    panel.maximum = std::max(total, 0);
    panel.value = std::clamp(done, 0, panel.maximum);
    const bool finished = current.isEmpty();
    // While a file is on its way the count names that file, so the first one reads "1 / n".
    const int position = finished ? panel.value : std::min(panel.value + 1, panel.maximum);
    panel.count = QString::number(position) + QStringLiteral(" / ") + QString::number(panel.maximum);
    if (finished) {
        panel.item = QStringLiteral("완료");
    } else if (current == u"logo") {
        panel.item = QStringLiteral("로고");
    } else {
        const MenuRecord* menu = catalogue ? catalogue->FindMenu(QStringView(current)) : nullptr;
        panel.item = menu && !menu->title.isEmpty() ? current + u' ' + menu->title : current;
    }
    return panel;
}

QString DownloadSummaryText(const DownloadSummary& summary)
{
    return QStringLiteral("저장 %1개 · 실패 %2개 · 서버에 없음 %3개")
        .arg(summary.stored)
        .arg(summary.failed)
        .arg(summary.absent);
}

}  // namespace sumbrel::settings
