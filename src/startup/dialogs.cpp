#include "startup/dialogs.h"

#include "startup/screen_hold.h"

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
    // A box belongs to the screens; work on another thread cannot show one.
    if (g_handler && OnScreenThread())
        g_handler->message(ProgramTitle(), text, icon);
}

QString OpenFileDialog(const QString& title, const QString& folder, const QString& filter)
{
    return g_handler ? g_handler->openFile(title, folder, filter) : QString();
}

}  // namespace sumbrel
