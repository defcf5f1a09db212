#pragma once
// The dialog seam's real handlers: the terminal's own message panel and Qt's file dialog, and the
// unattended handler for runs without anyone at the screen.
#include "startup/dialogs.h"

#include <QString>

class QFileDialog;
class QWidget;

namespace sumbrel {

// The system's filters ("이미지파일|*.bmp;*.png;*.jpg": name|patterns pairs) as QFileDialog reads them
// ("이미지파일 (*.bmp *.png *.jpg)"); a filter without "|" is passed on as it is.
QString FileDialogFilter(const QString& filter);

// The file-open dialog as the real handler shows it: Qt's own dialog (the same on every platform),
// read-only, so nobody at the terminal can rename, delete or create files through it.
QFileDialog* MakeOpenFileDialog(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

// MessagePanel (presentation/message_panel.h) and QFileDialog behind the dialog seam.
class WidgetDialogHandler : public DialogHandler {
public:
    void message(const QString& title, const QString& text, MessageIcon icon) override;
    void messageThen(const QString& title, const QString& text, MessageIcon icon,
                     std::function<void()> closed) override;
    // Qt's dialog opened with open(): it reports by its finished signal.
    void openFile(const QString& title, const QString& folder, const QString& filter, FileChosen chosen) override;
};

// Answers at once and writes the box to stderr: for runs without anyone at the screen.
class UnattendedDialogHandler : public DialogHandler {
public:
    void message(const QString& title, const QString& text, MessageIcon icon) override;
    void openFile(const QString& title, const QString& folder, const QString& filter, FileChosen chosen) override;
};

}  // namespace sumbrel
