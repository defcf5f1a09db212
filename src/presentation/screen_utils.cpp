#include "presentation/screen_utils.h"

#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainterPath>
#include <QRegion>
#include <QWidget>

namespace sumbrel {

void FormRound(QWidget* window, int corner)
{
    if (!window) {
        TraceFault(QStringLiteral("lib_misc"), QStringLiteral("FormRound"), __LINE__,
                   {kObjectNotSet, QStringLiteral("Object variable not set")});
        return;
    }
    window->setMask(RoundedRegion(QRectF(0, 0, window->width() + 1, window->height() + 1), corner));
    window->update();
}

QRegion RoundedRegion(const QRectF& area, double corner)
{
    QPainterPath path;
    path.addRoundedRect(area, corner / 2.0, corner / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

void SendKeysToScreen(const QString& keys, bool wait)
{
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        return;
    auto send = [&](int key, const QString& text) {
        if (wait) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
        } else {
            // The event queue takes the events over.
            QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
            QApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
        }
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i] == u'{') {
            const qsizetype close = keys.indexOf(u'}', i);
            if (close > i) {
                const QString name = keys.mid(i + 1, close - i - 1).toUpper();
                if (name == u"TAB")
                    send(Qt::Key_Tab, QStringLiteral("\t"));
                else if (name == u"ENTER")
                    send(Qt::Key_Return, QStringLiteral("\r"));
                else if (name == u"BACKSPACE" || name == u"BS")
                    send(Qt::Key_Backspace, QString());
                i = close;
                continue;
            }
        }
        send(0, QString(keys[i]));
    }
}


}  // namespace sumbrel
