#pragma once
// Every modal box and file dialog goes through here, so tests can answer and record them.
#include <QString>

namespace sumbrel {

enum class MessageIcon { None, Information, Warning, Critical };

class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    virtual void message(const QString& title, const QString& text, MessageIcon icon) = 0;
    // Empty text: cancelled.
    virtual QString openFile(const QString& title, const QString& folder, const QString& filter) = 0;
};

// The handler in use; nullptr restores the one installed at start (or none).
void setDialogHandler(DialogHandler* handler);
DialogHandler* dialogHandler();

// The program's title on every box.
QString ProgramTitle();

void MessageBox(const QString& text, MessageIcon icon = MessageIcon::None);
QString OpenFileDialog(const QString& title, const QString& folder, const QString& filter);

}  // namespace sumbrel
