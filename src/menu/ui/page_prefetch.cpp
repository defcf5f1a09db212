#include "menu/ui/page_prefetch.h"

#include "menu/menu_item.h"
#include "menu/ui/picture_cache.h"

namespace sumbrel::menu {

void PrefetchNeighbourPages(PictureCache& pictures, const MenuPageModel& model, const QList<QSize>& photoSizes)
{
    QList<PictureCache::Wanted> wanted;
    const TilePage& shown = model.tiles();
    const std::vector<TileEntry>& table = model.tables().tiles();
    if (shown.first >= 0 && shown.pages > 1) {
        // The next page first: more customers go on than back.
        for (const int direction : {+1, -1}) {
            const TilePage page = showTilePage(table, model.category, shown.page, direction,
                                               model.shape().tilesPerPage);
            if (page.first < 0 || page.page == shown.page)
                continue;
            for (int k = 0; k < page.count && k < photoSizes.size(); ++k) {
                const size_t row = size_t(page.first + k);
                if (row < table.size())
                    wanted.append({MenuPhotoPath(table[row].num), photoSizes[k]});
            }
        }
    }
    pictures.prefetch(wanted);
}

}  // namespace sumbrel::menu
