#include "startup/dialogs.h"

#include "startup/queued_call.h"
#include "startup/screen_hold.h"

#include <QCoreApplication>

namespace sumbrel {

namespace {
DialogHandler* g_handler = nullptr;
}

void setDialogHandler(DialogHandler* handler)
{
    g_handler = handler;
}

DialogHandler* dialogHandler()
{
    return g_handler;
}

QString ProgramTitle()
{
    return QStringLiteral("Sumbrel");
}

void MessageBox(const QString& text, MessageIcon icon)
{
    // A box belongs to the screens: work on another thread hands it to the screens' thread, where it
    // shows once that thread is free.
    if (!OnScreenThread()) {
        if (QCoreApplication* app = QCoreApplication::instance())
            QueueTo(app, [text, icon] { MessageBox(text, icon); });
        return;
    }
    if (g_handler)
        g_handler->message(ProgramTitle(), text, icon);
}

void MessageBoxThen(const QString& text, MessageIcon icon, std::function<void()> closed)
{
    if (!OnScreenThread()) {
        if (QCoreApplication* app = QCoreApplication::instance())
            QueueTo(app, [text, icon, closed] { MessageBoxThen(text, icon, closed); });
        return;
    }
    if (g_handler)
        g_handler->messageThen(ProgramTitle(), text, icon, std::move(closed));
    else if (closed)
        closed();
}

void OpenFileDialog(const QString& title, const QString& folder, const QString& filter, FileChosen chosen)
{
    if (g_handler)
        g_handler->openFile(title, folder, filter, std::move(chosen));
    else if (chosen)
        chosen(QString());
}

}  // namespace sumbrel
