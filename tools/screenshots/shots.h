#pragma once
// What every screenshot walk does: let the screens settle, photograph the whole screen, touch a key
// by its name, and point the terminal at a demo shop.
#include <QString>

class QCoreApplication;
class QTemporaryDir;
class QWidget;

namespace sumbrel::shots {

// The command line of every walk: --home DIR (program folder), --service-host HOST (the demo shop),
// --out DIR (folder for the pictures, "." by default, made when missing).
struct Walk {
    QString home;
    QString host;
    QString out;
};
// Reads the command line; from then on message boxes are answered at once and written to stderr.
Walk StartWalk(const QCoreApplication& app);

// Handles events for the time given, so the screens draw what they were told to.
void settle(int ms);
// Settles, then saves what the screen shows as folder/name; says "saved" or "FAILED" on stdout.
bool shoot(const QString& folder, const QString& name);
// Touches the caption key (or clicks the button) of that name below root, then settles briefly.
void click(QWidget* root, const QString& name);
// A terminal logged in to the walk's demo shop ("127.0.0.1:PORT") with its seeded account, and the
// shop's menus read. Its program folder (with the folders menu_img and skin2 below it) is the walk's
// home, or the temporary folder without one. False, said on stdout, when the menus do not load.
bool UseDemoShop(const Walk& walk, const QTemporaryDir& temporary);
// A fault of the walk's demo shop for the path: kind and its settings as its control page takes them.
void ShopFault(const Walk& walk, const QString& path, const QString& kind, const QString& settings = QString(),
               int count = 1);

}  // namespace sumbrel::shots
