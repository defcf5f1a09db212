#pragma once
// Fetching the menu pictures and the shop logo from the web service into menuImageFolder.
#include <QString>
#include <functional>

namespace sumbrel {

// Ask the web service whether the logo / the menu picture exists ("있음" anywhere in the answer).
bool LogoExistCheck(long logoNumber);
bool MenuExistCheck(long menuNumber);

// The stored file name of a download URL: the part after the last "/", every "?" removed.
QString PictureFileName(const QString& url);

// GETs the URL and stores the body as menuImageFolder/<file name> (the logo as menuImageFolder/logo.png).
// Only a whole answer with status 200 and a non-empty body is stored, through a temporary file
// renamed over the target, so a failed download leaves the old picture as it was. True when written.
bool LoadURLMenuImage(const QString& url, bool isLogo);

struct DownloadSummary {
    int stored = 0;
    int failed = 0;
    int absent = 0;
};

// The settings screen's image button: the logo, then one picture per catalogue row taken from
// records (the empty slots at the end are skipped). Logs every outcome on the general log.
// progress(done, total, current) before each file and once more at the end (current empty).
using DownloadProgress = std::function<void(int done, int total, const QString& current)>;
DownloadSummary DownloadPictures(const DownloadProgress& progress = {});

}  // namespace sumbrel
