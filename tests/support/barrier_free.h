#pragma once
// The barrier-free choices in tests: set for one case, the spoken texts recorded, the keypad's keys
// sent, and the two layout checks every screen of the path must pass (the keys of the low layout in
// the lower part, no text larger than its element).
#include "access/modes.h"
#include "access/speech.h"
#include "presentation/caption_key.h"
#include "presentation/look.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <utility>

namespace sumbrel::testing {

// The choices (and their look) for one case; the plain look again after it.
class ModesScope {
public:
    explicit ModesScope(const access::Modes& modes) { ApplyModes(modes); }
    ~ModesScope() { ApplyModes({}); }
    ModesScope(const ModesScope&) = delete;
    ModesScope& operator=(const ModesScope&) = delete;
};

// Stands in for the speech engine: keeps what would have been heard.
class SpeechRecorder : public access::SpeechEngine {
public:
    SpeechRecorder() { access::setSpeechEngine(this); }
    ~SpeechRecorder() override { access::setSpeechEngine(nullptr); }
    void say(const QString& text) override { said.append(text); }
    void setVolume(int volume) override { this->volume = volume; }
    void setRate(double rate) override { rates.append(rate); }
    void pause() override { held.append(true); }
    void resume() override { held.append(false); }
    bool works() const override { return true; }
    QString why() const override { return QString(); }
    // Whether a text holding the part was said since the last take().
    bool heard(const QString& part) const
    {
        for (const QString& s : said)
            if (s.contains(part))
                return true;
        return false;
    }
    QStringList take() { return std::exchange(said, {}); }

    QStringList said;
    int volume = -1;
    // Every rate set, and every pause (true) and resume (false), in order.
    QList<double> rates;
    QList<bool> held;
};

// One key of the keypad, pressed and released on the window (as the keyboard driver would deliver
// it to the window in front).
inline void Keypad(QWidget* window, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(window, &press);
    QApplication::sendEvent(window, &release);
}
inline void KeypadDigits(QWidget* window, const QString& digits)
{
    for (QChar d : digits)
        Keypad(window, Qt::Key_0 + d.digitValue(), QString(d));
}

// What of the widget can be seen: its rectangle in the window's coordinates, cut by every parent.
inline QRect VisibleRect(const QWidget* widget)
{
    QRect r(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    for (const QWidget* p = widget->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        r &= QRect(p->mapTo(p->window(), QPoint(0, 0)), p->size());
    return r & widget->window()->rect();
}

// Every key a customer can see on the window: a visible push button or toggle of the accessibility
// tree (the operator's invisible areas are none), with what of it can be seen.
inline QList<std::pair<QString, QRect>> VisibleKeys(QWidget* window)
{
    QList<std::pair<QString, QRect>> keys;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const bool key = a && (a->role() == QAccessible::Button || a->role() == QAccessible::CheckBox);
        if (!key || !a->actionInterface()
            || a->actionInterface()->actionNames().isEmpty())
            continue;
        const QRect seen = VisibleRect(w);
        if (!seen.isEmpty())
            keys.append({a->text(QAccessible::Name) + u'(' + w->objectName() + u')', seen});
    }
    return keys;
}

// The keys of the window that reach above the lower part the low layout keeps them in.
inline QStringList KeysAboveLowPart(QWidget* window)
{
    const int top = window->height() - int(window->height() * access::kLowShare);
    QStringList above;
    for (const auto& [name, seen] : VisibleKeys(window))
        if (seen.top() < top)
            above << name + QStringLiteral(" at %1").arg(seen.top());
    return above;
}

// The texts of the window larger than the element that shows them, by their fonts' metrics: a
// label's text within its contents, a key's caption within its face (4 pixels in from each side,
// where it wraps) and within the key's height (the key centres its lines and does not cut them at
// the face: a line whose leading reaches past the face is still seen whole).
inline QStringList ClippedTexts(QWidget* window)
{
    QStringList clipped;
    auto check = [&](QWidget* w, const QString& text, const QRect& room, bool wrap) {
        if (text.isEmpty() || room.isEmpty())
            return;
        const QFontMetrics m(w->font());
        const QRect need = wrap ? m.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text)
                                : m.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
        if (need.width() > room.width() || need.height() > room.height())
            clipped << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                           .arg(w->objectName(), text)
                           .arg(need.width())
                           .arg(need.height())
                           .arg(room.width())
                           .arg(room.height());
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window || VisibleRect(w).isEmpty())
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->pixmap().isNull())
                check(label, label->text(), label->contentsRect(), label->wordWrap());
        } else if (auto* key = qobject_cast<CaptionKey*>(w)) {
            if (!key->isInvisible())
                check(key, key->caption(), key->rect().adjusted(4, 0, -4, 0), true);
        }
    }
    return clipped;
}

}  // namespace sumbrel::testing
