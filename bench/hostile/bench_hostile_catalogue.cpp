// Peak resident memory after reading a 10 MB catalogue answer of empty records, the shape that costs
// the most per byte (a row of 43 texts per 19 bytes).
//   bench_hostile_catalogue load    the whole way: the demo shop sends it, the catalogue load takes it
//   bench_hostile_catalogue parse   the answer text handed to the reader directly
// Each mode in a process of its own, so one peak does not hide the other.
#include "catalogue/menu_catalogue.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"
#include "support/shop_login.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

using namespace sumbrel;

namespace {

constexpr int kAnswerBytes = 10 * 1024 * 1024;
const QString kEmptyRecord = QStringLiteral("<menubrr></menubrr>");

double PeakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool parse = argc > 1 && std::strcmp(argv[1], "parse") == 0;
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    std::printf("peak_rss_mb at start: %.1f\n", PeakMb());
    if (parse) {
        QString answer;
        answer.reserve(kAnswerBytes);
        while (answer.size() + kEmptyRecord.size() <= kAnswerBytes)
            answer += kEmptyRecord;
        std::printf("peak_rss_mb with the answer in memory: %.1f\n", PeakMb());
        const MenuCatalogue table = ParseMenuAnswer(answer);
        std::printf("records in the answer: %lld, row slots read: %lld\n",
                    static_cast<long long>(answer.size() / kEmptyRecord.size()),
                    static_cast<long long>(table.rowCount()));
    } else {
        DemoShop shop;
        const Session session = testing::LogInTo(shop);
        shop.addFault(
            QStringLiteral("/Admin/menuloading1.php"), QStringLiteral("huge"),
            {{QStringLiteral("size"), QString::number(kAnswerBytes)}, {QStringLiteral("body"), kEmptyRecord}});
        const MenuCatalogue table = FetchMenuCatalogue(session, QStringLiteral("전체")).value_or(MenuCatalogue());
        std::printf("row slots after the load: %lld\n", static_cast<long long>(table.rowCount()));
    }
    std::printf("peak_rss_mb: %.1f\n", PeakMb());
    return 0;
}
