#pragma once
// Fetching the menu pictures and the shop logo from the web service into the picture folder.
#include "catalogue/menu_catalogue.h"
#include "catalogue/picture_check.h"
#include "server/http_client.h"
#include "server/session.h"

#include <QString>
#include <functional>
#include <memory>

namespace sumbrel {

// Ask the web service whether the logo / the menu picture exists ("있음" anywhere in the answer).
bool LogoPictureExists(const Session& session, long logoNumber, const CancelFlag& cancel = {});
bool MenuPictureExists(const Session& session, long menuNumber, const CancelFlag& cancel = {});

// The stored file name of a download URL: the part after the last "/", every "?" removed.
QString PictureFileName(const QString& url);

// How a download run checks and stops.
struct DownloadOptions {
    // Set from another thread: the run ends after the file under way, which is not stored.
    CancelFlag cancel;
    // A full decode on top of the structural check, when the caller has an image library.
    PictureDecoder decode;
};

// GETs the URL and stores the body as folder/<file name> (the logo as folder/logo.png).
// Only a whole answer with status 200 whose body is a PNG within the limits (kMaxPictureBytes,
// kMaxPictureSide; decoded when a decoder is given) is stored, through a temporary file renamed
// over the target, so a failed download leaves the old picture as it was. True when written.
bool DownloadPicture(const QString& url, const QString& folder, bool isLogo, const DownloadOptions& options = {});

// What a run works from, all of it its own: nothing the screens change meanwhile is read.
struct PictureSource {
    Session session;
    QString folder;  // where the pictures are stored
    std::shared_ptr<const MenuCatalogue> catalogue;  // the rows whose pictures are fetched
};

struct DownloadSummary {
    int stored = 0;
    int failed = 0;
    int absent = 0;
    bool stopped = false;  // the run was stopped before its end
};

// The settings screen's image button: the logo, then one picture per catalogue row taken from
// records (the empty slots at the end are skipped). Logs every outcome on the general log. A menu
// or shop number that is not all digits names no URL and no file: that picture counts as failed.
// progress(done, total, current) before each file and once more at the end (current empty). Safe
// to run off the screens' thread.
using DownloadProgress = std::function<void(int done, int total, const QString& current)>;
DownloadSummary DownloadPictures(const PictureSource& source, const DownloadProgress& progress = {},
                                 const DownloadOptions& options = {});

}  // namespace sumbrel
