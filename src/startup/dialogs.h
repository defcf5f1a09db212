#pragma once
// Every modal box and file dialog goes through here, so tests can answer and record them.
#include <QString>
#include <functional>

namespace sumbrel {

enum class MessageIcon { None, Information, Warning, Critical };

using FileChosen = std::function<void(const QString& path)>;

class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    // Shows the box and returns at once: nothing waits for it to be closed.
    virtual void message(const QString& title, const QString& text, MessageIcon icon) = 0;
    // As message; `closed` runs once the box has been closed. By default at once, for handlers that
    // answer boxes themselves.
    virtual void messageThen(const QString& title, const QString& text, MessageIcon icon, std::function<void()> closed)
    {
        message(title, text, icon);
        if (closed)
            closed();
    }
    // Reports the chosen path through `chosen` once the operator has chosen (empty: cancelled); the
    // dialog never holds the caller, which returns at once. A handler may answer before returning.
    virtual void openFile(const QString& title, const QString& folder, const QString& filter, FileChosen chosen) = 0;
};

// The handler in use; nullptr restores the one installed at start (or none).
void setDialogHandler(DialogHandler* handler);
DialogHandler* dialogHandler();

// The program's title on every box.
QString ProgramTitle();

void MessageBox(const QString& text, MessageIcon icon = MessageIcon::None);
// A box that must be read before the program goes on (it is about to end, say): `closed` runs once
// it is closed, on the screens' thread. Without a handler, at once.
void MessageBoxThen(const QString& text, MessageIcon icon, std::function<void()> closed);
// Without a handler: cancelled at once.
void OpenFileDialog(const QString& title, const QString& folder, const QString& filter, FileChosen chosen);

}  // namespace sumbrel
