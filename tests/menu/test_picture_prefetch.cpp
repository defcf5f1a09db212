// Menu pictures decoded ahead, off the screen's thread: a page whose pictures were asked for ahead
// shows them without a decode on the screen's thread, and the same pictures as decoded there; what
// changed on disk or was forgotten since is decoded again. The neighbours of the page shown are the
// ones asked for.
#include "catalogue/menu_catalogue.h"
#include "menu/menu_item.h"
#include "menu/ui/page_prefetch.h"
#include "menu/ui/picture_cache.h"
#include "presentation/presentation.h"
#include "startup/global_state.h"
#include "support/sumbrel_test.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace sumbrel;
using namespace sumbrel::menu;
using namespace sumbrel::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr QSize kTile(132, 70);

// Picture n: a gradient of its own, so that a wrong picture or scaling shows in the pixels.
void WritePicture(const QString& path, int n)
{
    QImage image(60, 40, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 4 + n * 40) % 256, (y * 6) % 256, (n * 90) % 256));
    ASSERT_TRUE(image.save(path));
}

bool Settled(const PictureCache& cache)
{
    return QTest::qWaitFor([&] { return !cache.prefetching(); }, 10000);
}

class MenuPicturePrefetch : public SumbrelTest {
protected:
    PictureCache pictures;
};

}  // namespace

TEST_F(MenuPicturePrefetch, APageAskedForAheadDecodesNothingOnTheScreensThread)
{
    QTemporaryDir dir;
    QList<PictureCache::Wanted> page;
    for (int n = 0; n < 6; ++n) {
        page.append({dir.filePath(u"%1.png"_s.arg(n)), kTile});
        WritePicture(page.back().first, n);
    }
    const struct {
        const char* name;
        // Between asking ahead and showing the page.
        std::function<void(PictureCache&)> meanwhile;
        int decodedOnScreen;
    } cases[] = {
        {"read, then shown", [](PictureCache&) {}, 0},
        // The customer went on to another page and came back before the worker was done.
        {"asked for again after another page",
         [&](PictureCache& cache) {
             cache.prefetch({});
             cache.prefetch(page);
         },
         0},
        {"forgotten", [](PictureCache& cache) { cache.clear(); }, 6},
        {"one picture replaced on disk",
         [&](PictureCache&) {
             WritePicture(page[2].first, 9);
             QFile file(page[2].first);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
         },
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int n = 0; n < 6; ++n)
            WritePicture(page[n].first, n);
        PictureCache cache;
        cache.prefetch(page);
        c.meanwhile(cache);
        ASSERT_TRUE(Settled(cache));
        for (const auto& [path, size] : page) {
            const QImage shown = cache.scaled(path, size).toImage();
            // The very picture the screen's thread would have drawn.
            EXPECT_EQ(
                shown,
                LoadPictureScaled(path, size.width(), size.height(), Qt::white, false).value_or(QPixmap()).toImage())
                << path.toStdString();
        }
        EXPECT_EQ(cache.decodeCount(), c.decodedOnScreen);
    }
}

// The pages before and after the one shown, at the tiles' sizes; a category of one page asks for
// nothing, and the last page's next is the first (the page keys wrap).
TEST_F(MenuPicturePrefetch, AsksForTheNeighbouringPages)
{
    QTemporaryDir dir;
    gs().menuImageFolder = dir.path();
    MenuPageLists lists;
    std::vector<TileEntry>& table = lists.tiles;
    const auto add = [&](const QString& category, int num) {
        TileEntry entry;
        entry.category = category;
        entry.num = QString::number(num);
        entry.name = u"item %1"_s.arg(num);
        table.push_back(entry);
        WritePicture(MenuPhotoPath(entry.num), num);
    };
    for (int n = 0; n < 50; ++n)
        add(u"coffee"_s, n);
    add(u"tea"_s, 100);
    MenuTables tables;
    tables.setMenu(MenuCatalogue(), lists);

    const QList<QSize> sizes(kTileCount, kTile);
    const struct {
        const char* name;
        QString category;
        int page;
        int prefetched;  // pages of 20, 20 and 10
    } cases[] = {
        {"first page: the second and the last", u"coffee"_s, 0, 20 + 10},
        {"middle page", u"coffee"_s, 1, 20 + 10},
        {"last page: the first and the middle", u"coffee"_s, 2, 20 + 20},
        {"a single page", u"tea"_s, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pictures.clear();
        const int before = pictures.prefetchedCount();
        MenuPageModel model(tables);
        model.category = c.category;
        model.page = c.page;
        model.showTilePage(0);
        PrefetchNeighbourPages(pictures, model, sizes);
        ASSERT_TRUE(Settled(pictures));
        EXPECT_EQ(pictures.prefetchedCount() - before, c.prefetched);
        // Shown now, the neighbours cost the screen's thread nothing.
        const int decoded = pictures.decodeCount();
        for (const int direction : {+1, -1}) {
            const TilePage next = showTilePage(table, c.category, c.page, direction);
            for (int k = 0; k < next.count && next.page != c.page; ++k)
                pictures.scaled(MenuPhotoPath(table[size_t(next.first + k)].num), kTile);
        }
        EXPECT_EQ(pictures.decodeCount(), decoded);
    }
}
