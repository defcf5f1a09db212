#pragma once
// The terminal's own message box, made for touch: a panel in the current look over a darkened copy
// of the window it belongs to, with large wrapped text, a drawn icon and one tall "확인" key.
#include "presentation/look.h"
#include "startup/dialogs.h"

#include <QDialog>
#include <QPixmap>
#include <QRect>

class QLabel;

namespace sumbrel {

class CaptionKey;

class MessagePanel : public QDialog {
    Q_OBJECT
public:
    // Covers the owner's window (with the windows it stands on) or, without an owner, the primary
    // screen. Colours and sizes are those of the look in force when it is made.
    MessagePanel(QWidget* owner, const QString& title, const QString& text, MessageIcon icon);
    ~MessagePanel() override;

    // The window a box shown now belongs to: the modal window on top, else the active window, else
    // the largest shown window; nullptr when no window is shown.
    static QWidget* Owner();

    QLabel* textLabel() const { return m_text; }
    CaptionKey* key() const { return m_key; }
    // The box's place within the panel.
    QRect box() const { return m_box; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layOut(QWidget* owner);

    MessageIcon m_icon;
    // The look as it was when the box was made: a box already up keeps it. The scale is the look's
    // times the stage's.
    Palette m_colours;
    double m_scale = 1.0;
    QPixmap m_backdrop;
    QRect m_box;
    QRect m_iconArea;
    QLabel* m_text = nullptr;
    CaptionKey* m_key = nullptr;
};

}  // namespace sumbrel
