#include "presentation/screen_utils.h"

#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <memory>

namespace sumbrel {

void FormRound(QWidget* window, int corner)
{
    Procedure proc(QStringLiteral("lib_misc"), QStringLiteral("FormRound"));
    SUMBREL_STEP(proc, {
        if (!window)
            throw Failure(91, QStringLiteral("Object variable not set"));
        const int w = window->width();
        const int h = window->height();
        window->setMask(RoundedRegion(QRectF(0, 0, w + 1, h + 1), corner));
        window->update();
    });
}

QRegion RoundedRegion(const QRectF& area, double corner)
{
    QPainterPath path;
    path.addRoundedRect(area, corner / 2.0, corner / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

void SendKeysToScreen(const QString& keys, bool wait)
{
    try {
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
    } catch (...) {
    }
}

void ScreenTwipsPerPixel(int& x, int& y)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    x = int(std::lround(1440.0 / (dpiX > 0 ? dpiX : 96.0)));
    y = int(std::lround(1440.0 / (dpiY > 0 ? dpiY : 96.0)));
}

void WidgetDialogHandler::message(const QString& title, const QString& text, MessageIcon icon)
{
    QMessageBox box;
    box.setWindowTitle(title);
    // Plain, as every label: a box's text is never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::None:
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("확인"));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

QString FileDialogFilter(const QString& filter)
{
    if (!filter.contains(u'|'))
        return filter;
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << parts[i] + QStringLiteral(" (") + patterns.simplified() + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

QFileDialog* MakeOpenFileDialog(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    auto* dialog = new QFileDialog(parent, title, folder);
    dialog->setOptions(QFileDialog::ReadOnly | QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(FileDialogFilter(filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    return dialog;
}

QString WidgetDialogHandler::openFile(const QString& title, const QString& folder, const QString& filter)
{
    const std::unique_ptr<QFileDialog> dialog(MakeOpenFileDialog(QApplication::activeWindow(), title, folder, filter));
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    return dialog->selectedFiles().value(0);
}

void UnattendedDialogHandler::message(const QString& title, const QString& text, MessageIcon icon)
{
    static const char* names[] = {"", "information", "warning", "critical"};
    std::fprintf(stderr, "[%s] %s: %s\n", names[int(icon)], title.toUtf8().constData(), text.toUtf8().constData());
    std::fflush(stderr);
}

QString UnattendedDialogHandler::openFile(const QString&, const QString&, const QString&)
{
    return QString();
}

}  // namespace sumbrel
