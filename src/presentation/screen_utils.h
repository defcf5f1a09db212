#pragma once
// The widget-side utilities: rounded windows, keystrokes, twips, and the real modal boxes.
#include "startup/dialogs.h"

#include <QString>

class QFileDialog;
class QRectF;
class QRegion;
class QWidget;

namespace sumbrel {

// Gives the window a rounded-rectangle mask with corner x corner pixel ellipses.
void FormRound(QWidget* window, int corner);
// The area with its corners rounded by corner x corner pixel ellipses, as a region.
QRegion RoundedRegion(const QRectF& area, double corner);
// Types keys ("{TAB}", "{ENTER}", plain characters) into the focused widget of the active window.
void SendKeysToScreen(const QString& keys, bool wait = false);
// Twips per pixel of the primary screen, as whole numbers (15 at 96 dpi).
void ScreenTwipsPerPixel(int& x, int& y);

// The system's filters ("이미지파일|*.bmp;*.png;*.jpg": name|patterns pairs) as QFileDialog reads them
// ("이미지파일 (*.bmp *.png *.jpg)"); a filter without "|" is passed on as it is.
QString FileDialogFilter(const QString& filter);

// The file-open dialog as the real handler shows it: Qt's own dialog (the same on every platform),
// read-only, so nobody at the terminal can rename, delete or create files through it.
QFileDialog* MakeOpenFileDialog(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

// QMessageBox / QFileDialog behind the dialog seam.
class WidgetDialogHandler : public DialogHandler {
public:
    void message(const QString& title, const QString& text, MessageIcon icon) override;
    QString openFile(const QString& title, const QString& folder, const QString& filter) override;
};

// Answers at once and writes the box to stderr: for runs without anyone at the screen.
class UnattendedDialogHandler : public DialogHandler {
public:
    void message(const QString& title, const QString& text, MessageIcon icon) override;
    QString openFile(const QString& title, const QString& folder, const QString& filter) override;
};

}  // namespace sumbrel
