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
    virtual void message(const QString& title, const QString& text, MessageIcon icon) = 0;
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
// Without a handler: cancelled at once.
void OpenFileDialog(const QString& title, const QString& folder, const QString& filter, FileChosen chosen);

}  // namespace sumbrel
