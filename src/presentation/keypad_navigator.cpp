#include "presentation/keypad_navigator.h"

#include "access/language.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "presentation/focus_ring.h"
#include "presentation/look.h"
#include "presentation/stage_scale.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace sumbrel {

namespace {

QAccessibleInterface* Pressable(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a || !a->actionInterface() || a->actionInterface()->actionNames().isEmpty())
        return nullptr;
    return a;
}

access::Place PlaceIn(const QWidget* window, const QWidget* w)
{
    const QPoint at = w->mapTo(window, QPoint(0, 0));
    return {at.x(), at.y(), w->width(), w->height()};
}

// Whether a touch at the element's centre would reach it: a panel, box or backdrop raised over it
// hides it from the keypad as it does from the finger.
bool InFront(QWidget* window, QWidget* w)
{
    const QWidget* top = window->childAt(w->mapTo(window, w->rect().center()));
    return top == w || (top && w->isAncestorOf(top));
}

int DigitOfKey(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9 ? key - Qt::Key_0 : -1;
}

}  // namespace

KeypadNavigator::KeypadNavigator(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    m_ring = new FocusRing(window, QStringLiteral("focusRing"), std::max(2, Px(int(8 * CurrentLook().scale))));
    qApp->installEventFilter(this);
}

KeypadNavigator::~KeypadNavigator()
{
    qApp->removeEventFilter(this);
}

QList<QWidget*> KeypadNavigator::elements() const
{
    QList<QWidget*> found;
    QList<access::Place> places;
    if (!m_window)
        return found;
    for (QWidget* w : m_window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || w->window() != m_window || !Pressable(w) || !InFront(m_window, w))
            continue;
        found.append(w);
        places.append(PlaceIn(m_window, w));
    }
    QList<QWidget*> ordered;
    for (int i : access::ReadingOrder(places))
        ordered.append(found[i]);
    return ordered;
}

QString KeypadNavigator::Describe(QWidget* element)
{
    QAccessibleInterface* a = element ? QAccessible::queryAccessibleInterface(element) : nullptr;
    if (!a)
        return QString();
    const QString name = a->text(QAccessible::Name);
    const QString description = a->text(QAccessible::Description);
    QString text;
    switch (a->role()) {
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
        text = access::ToggleText(name, a->state().checked);
        break;
    default:
        text = access::KeyText(name, !a->state().disabled);
        if (a->state().checkable)
            text += a->state().checked ? access::Tr(", 선택됨") : access::Tr(", 선택 안 됨");
        break;
    }
    if (!description.isEmpty() && description != name)
        text += QStringLiteral(". ") + access::SpokenForm(description);
    return text;
}

bool KeypadNavigator::Press(QWidget* element)
{
    QAccessibleInterface* a = element ? Pressable(element) : nullptr;
    if (!a)
        return false;
    a->actionInterface()->doAction(a->actionInterface()->actionNames().front());
    return true;
}

void KeypadNavigator::focus(QWidget* element, bool speak)
{
    if (m_focused && m_focused != element && m_focused->hasFocus())
        m_focused->clearFocus();
    m_focused = element;
    // The ring's element holds the keyboard focus too, so a screen reader or a braille display
    // follows the keypad (setFocus sends the accessibility focus event). Tab focus only: a touch
    // still gives no key the focus.
    if (element) {
        if (element->focusPolicy() == Qt::NoFocus)
            element->setFocusPolicy(Qt::TabFocus);
        // Keys typed on a window make it the active one, where no window manager did.
        if (!m_window->isActiveWindow())
            m_window->activateWindow();
        if (!element->hasFocus())
            element->setFocus(Qt::OtherFocusReason);
    }
    placeRing();
    if (element && speak)
        access::Guide(Describe(element));
}

void KeypadNavigator::focusFirst(bool speak)
{
    const QList<QWidget*> all = elements();
    focus(all.isEmpty() ? nullptr : all.front(), speak);
}

void KeypadNavigator::sayScreen() const
{
    access::Guide((describe ? describe() + QStringLiteral(" ") : QString()) + Describe(m_focused));
}

void KeypadNavigator::refresh()
{
    // Under a dialog of another window the ring waits, hidden, on its element.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != m_window) {
        m_ring->hide();
        return;
    }
    const QList<QWidget*> all = elements();
    if (m_focused && all.contains(m_focused.data())) {
        placeRing();
        return;
    }
    // A screen the keypad has not been used on shows no ring.
    if (!m_focused && !m_ring->isVisible())
        return;
    // Covered by something without keys of its own: the ring waits under it and comes back with it.
    if (all.isEmpty() && m_focused && m_focused->isVisible()) {
        m_ring->hide();
        return;
    }
    // Else the first element of what is in front now (a panel's key), or none.
    focus(all.isEmpty() ? nullptr : all.front(), false);
}

void KeypadNavigator::placeRing()
{
    if (!m_window || !m_focused || !m_focused->isVisible()) {
        m_ring->hide();
        return;
    }
    m_ring->surround(QRect(m_focused->mapTo(m_window, QPoint(0, 0)), m_focused->size()));
}

void KeypadNavigator::move(access::Move move)
{
    const QList<QWidget*> all = elements();
    if (all.isEmpty())
        return;
    const qsizetype at = all.indexOf(m_focused.data());
    if (at < 0) {
        focus(all.front());
        return;
    }
    const bool past = (move == access::Move::Next && at == all.size() - 1)
        || (move == access::Move::Previous && at == 0);
    if (past && beyond && beyond(move)) {
        const QList<QWidget*> turned = elements();
        if (!turned.isEmpty())
            focus(move == access::Move::Next ? turned.front() : turned.back());
        return;
    }
    QList<access::Place> places;
    for (QWidget* w : all)
        places.append(PlaceIn(m_window, w));
    focus(all[access::MoveFocus(places, int(at), move)]);
}

bool KeypadNavigator::handle(int key, const QString& text)
{
    if (anyKey)
        anyKey();
    if (intercept && intercept(key))
        return true;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Tab:
        move(access::Move::Next);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Backtab:
        move(access::Move::Previous);
        return true;
    case Qt::Key_Up:
        move(access::Move::Up);
        return true;
    case Qt::Key_Down:
        move(access::Move::Down);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!m_focused || !elements().contains(m_focused.data()))
            focusFirst();
        else
            Press(m_focused);
        return true;
    case Qt::Key_Backspace:
        if (erase && erase())
            return true;
        [[fallthrough]];
    case Qt::Key_Escape:
        if (back)
            back();
        return true;
    case Qt::Key_Asterisk:
    case Qt::Key_F1:
        sayScreen();
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Minus: {
        const int volume = access::ChangeSpeechVolume(key == Qt::Key_Plus ? access::kVolumeStep : -access::kVolumeStep);
        access::Guide(access::Tr("음량 %1").arg(volume));
        return true;
    }
    // Page Down and Page Up: the numeric keypad's 3 and 9 with Num Lock off, or keys of their own.
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        const int step = access::ChangeSpeechRate(key == Qt::Key_PageUp ? 1 : -1);
        access::Guide(access::Tr("말하기 속도 %1단계").arg(step));
        return true;
    }
    // Beside "*" on the numeric keypad.
    case Qt::Key_Slash:
        access::ToggleSpeechPause();
        return true;
    default:
        break;
    }
    const int d = DigitOfKey(key);
    if (d >= 0 && !text.isEmpty()) {
        if (digit)
            return digit(d);
        for (QWidget* w : elements()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (a && a->text(QAccessible::Name) == QString::number(d))
                return Press(w);
        }
        return true;
    }
    return false;
}

void KeypadNavigator::refreshSoon()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshQueued = false;
            refresh();
        },
        Qt::QueuedConnection);
}

bool KeypadNavigator::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (!m_window || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // Something shown, hidden or raised on the window may cover the focused element or uncover
    // another: the ring follows what is in front once the screen has settled.
    if ((type == QEvent::Show || type == QEvent::Hide || type == QEvent::ZOrderChange) && m_focused && widget != m_ring
        && widget->window() == m_window) {
        refreshSoon();
        return false;
    }
    if (type != QEvent::KeyPress)
        return false;
    if (widget != m_window && !m_window->isAncestorOf(widget))
        return false;
    // A text box of the screen (none on the customer's path) keeps its own keys.
    if (widget->inherits("QLineEdit"))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return handle(key->key(), key->text());
}

}  // namespace sumbrel
