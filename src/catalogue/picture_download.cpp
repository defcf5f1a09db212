#include "catalogue/picture_download.h"

#include "catalogue/menu_catalogue.h"
#include "server/endpoints.h"
#include "server/http_client.h"
#include "startup/files.h"
#include "startup/parse.h"
#include "startup/trace_log.h"

#include <QDir>
#include <optional>

namespace sumbrel {

namespace {

const QString kModule = QStringLiteral("lib_MenuAdd");

bool existCheck(const Session& session, const QString& procedure, const QString& url, const QString& body,
                const CancelFlag& cancel)
{
    CallOptions options = endpoints::SessionCall(session);
    options.cancel = cancel;
    return endpoints::PostLogged(procedure, url, body, QString::fromUtf16(endpoints::kChannelCatalogue), {}, options)
        .text.contains(u"있음");
}

}  // namespace

bool LogoPictureExists(const Session& session, long logoNumber, const CancelFlag& cancel)
{
    return existCheck(session, QStringLiteral("LogoExistCheck"), endpoints::Url(session, endpoints::kLogoCheck),
                      endpoints::LogoCheckBody(session, logoNumber), cancel);
}

bool MenuPictureExists(const Session& session, long menuNumber, const CancelFlag& cancel)
{
    return existCheck(session, QStringLiteral("MenuExistCheck"), endpoints::Url(session, endpoints::kMenuPictureCheck),
                      endpoints::MenuPictureCheckBody(menuNumber), cancel);
}

QString PictureFileName(const QString& url)
{
    QString name = url.mid(url.lastIndexOf(u'/') + 1);
    name.remove(u'?');
    return name;
}

namespace {

// Fetches, checks and stores one picture; what went wrong, if anything. A refused or cut answer
// never replaces a good picture.
std::optional<Fault> StorePicture(const QString& url, const QString& folder, bool isLogo,
                                  const DownloadOptions& options)
{
    const HttpGetResult got = HttpGet(url, kMaxPictureBytes, options.cancel);
    if (!got.completed)
        return Fault{0, got.error.isEmpty() ? QStringLiteral("download failed") : got.error};
    if (got.status != 200)
        return Fault{got.status, QStringLiteral("HTTP status ") + QString::number(got.status)};
    if (got.body.isEmpty())
        return Fault{0, QStringLiteral("empty picture")};
    const PictureVerdict verdict = CheckPng(got.body);
    if (!verdict.ok)
        return Fault{kPictureLoad, QStringLiteral("not a picture to store: ") + verdict.why};
    QString why;
    if (options.decode && !options.decode(got.body, &why))
        return Fault{kPictureLoad, QStringLiteral("picture does not decode: ") + why};
    const QString name = isLogo ? QStringLiteral("logo.png") : PictureFileName(url);
    if (name.isEmpty() || name == u"." || name == u"..")
        return Fault{kPathNotFound, QStringLiteral("no file name in ") + url};
    QString notStored;
    if (!ReplaceFile(folder + u'/' + name, got.body, &notStored))
        return Fault{kPathNotFound, notStored};
    return std::nullopt;
}

}  // namespace

bool DownloadPicture(const QString& url, const QString& folder, bool isLogo, const DownloadOptions& options)
{
    const std::optional<Fault> fault = StorePicture(url, folder, isLogo, options);
    if (fault)
        TraceFault(kModule, QStringLiteral("LoadURLMenuImage"), __LINE__, *fault);
    return !fault;
}

DownloadSummary DownloadPictures(const PictureSource& source, const DownloadProgress& progress,
                                 const DownloadOptions& options)
{
    DownloadSummary summary;
    const Session& session = source.session;
    // The rows taken from records: the empty slots at the end would only ask for number 0.
    struct Item {
        QString num, category, title;
    };
    std::vector<Item> rows;
    if (source.catalogue) {
        const MenuCatalogue& table = *source.catalogue;
        for (qsizetype r = 0; r < table.takenCount(); ++r)
            if (const MenuRecord& row = table.row(r); row.category != u"분류없음")
                rows.push_back({row.num, row.category, row.title});
    }
    const int total = 1 + int(rows.size());
    int done = 0;
    auto report = [&](const QString& current) {
        if (progress)
            progress(done, total, current);
    };
    QDir().mkpath(source.folder);

    auto stopped = [&] { return options.cancel && options.cancel->load(); };
    // One picture: ask whether it exists, fetch it, log and count the outcome. A number that is not
    // all digits would put its text into a URL and a path ("../"): it is asked for nothing.
    auto fetch = [&](const QString& number, bool isLogo) {
        const QString what = isLogo ? QStringLiteral("로고") : QStringLiteral("이미지");
        if (!IsPictureNumber(number)) {
            WriteLog(QStringLiteral("서버에서 ") + what + QStringLiteral(" 다운로드 실패: 번호가 숫자가 아님 \"")
                     + number + u'"');
            ++summary.failed;
            return;
        }
        const bool exists = isLogo ? LogoPictureExists(session, ParseLong(number), options.cancel)
                                   : MenuPictureExists(session, ParseLong(number), options.cancel);
        const QString url =
            isLogo ? endpoints::LogoPictureUrl(session, number) : endpoints::MenuPictureUrl(session, number);
        if (stopped())
            return;
        if (!exists) {
            WriteLog(QStringLiteral("서버에 ") + what + QStringLiteral(" 없음: ") + number);
            ++summary.absent;
        } else if (DownloadPicture(url, source.folder, isLogo, options)) {
            WriteLog(QStringLiteral("서버에서 ") + what + QStringLiteral(" 다운로드 성공: ") + url);
            ++summary.stored;
        } else {
            WriteLog(QStringLiteral("서버에서 ") + what + QStringLiteral(" 다운로드 실패: ") + url);
            ++summary.failed;
        }
    };

    const QString shop = session.shopNumber;
    report(QStringLiteral("logo"));
    fetch(shop, true);
    ++done;

    for (const Item& item : rows) {
        if (stopped())
            break;
        report(item.num);
        WriteLog(item.category + QStringLiteral("→") + item.title);
        fetch(item.num, false);
        ++done;
    }
    if (stopped()) {
        summary.stopped = true;
        WriteLog(QStringLiteral("서버 이미지 불러오기 중지: ") + QString::number(done) + QStringLiteral(" / ")
                 + QString::number(total));
    }
    report(QString());
    return summary;
}

}  // namespace sumbrel
