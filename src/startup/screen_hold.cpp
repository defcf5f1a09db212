#include "startup/screen_hold.h"

#include "startup/clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <algorithm>
#include <memory>

namespace sumbrel {

namespace {

int g_depth = 0;
int64_t g_heldMs = 0;
int64_t g_longestMs = 0;
int64_t g_start = 0;  // of the outermost hold under way

bool Inside(QObject* object, QObject* scope)
{
    for (QObject* o = object; o; o = o->parent())
        if (o == scope)
            return true;
    return false;
}

}  // namespace

InputDrop::InputDrop(QObject* scope)
    : m_scope(scope)
    , m_everywhere(scope == nullptr)
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

InputDrop::~InputDrop()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool InputDrop::isInput(int eventType)
{
    switch (eventType) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

bool InputDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (!isInput(event->type()) || !watched->isWidgetType())
        return false;
    if (m_everywhere)
        return true;
    return m_scope && Inside(watched, m_scope);
}

bool OnScreenThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

ScreenHold::ScreenHold()
{
    if (!QCoreApplication::instance() || !OnScreenThread())
        return;
    m_counts = true;
    if (g_depth++ == 0)
        g_start = ElapsedMs();
}

ScreenHold::~ScreenHold()
{
    if (!m_counts)
        return;
    if (g_depth == 1) {
        const int64_t held = ElapsedMs() - g_start;
        g_heldMs += held;
        g_longestMs = std::max(g_longestMs, held);
    }
    --g_depth;
}

bool ScreenHold::active()
{
    return g_depth > 0;
}

int64_t ScreenHold::longestMs()
{
    return g_longestMs;
}

int64_t ScreenHold::heldMs()
{
    // A hold under way counts up to now.
    return g_depth > 0 ? g_heldMs + (ElapsedMs() - g_start) : g_heldMs;
}

}  // namespace sumbrel
