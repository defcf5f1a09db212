#include "presentation/dialog_handlers.h"

#include "presentation/message_panel.h"

#include <QApplication>
#include <QFileDialog>
#include <cstdio>

namespace sumbrel {

void WidgetDialogHandler::message(const QString& title, const QString& text, MessageIcon icon)
{
    messageThen(title, text, icon, {});
}

void WidgetDialogHandler::messageThen(const QString& title, const QString& text, MessageIcon icon,
                                      std::function<void()> closed)
{
    // Modal to its window without a loop of its own: the caller goes on at once, the screens keep
    // running, and the box goes when its key is touched.
    auto* panel = new MessagePanel(MessagePanel::Owner(), title, text, icon);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    if (closed)
        QObject::connect(panel, &QDialog::finished, panel, [closed](int) { closed(); });
    panel->open();
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

void WidgetDialogHandler::openFile(const QString& title, const QString& folder, const QString& filter,
                                   FileChosen chosen)
{
    QFileDialog* dialog = MakeOpenFileDialog(QApplication::activeWindow(), title, folder, filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Modal over its window, without a loop of its own.
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, chosen = std::move(chosen)](int result) {
        const QString path = result == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
        if (chosen)
            chosen(path);
    });
    dialog->open();
}

void UnattendedDialogHandler::message(const QString& title, const QString& text, MessageIcon icon)
{
    static const char* names[] = {"", "information", "warning", "critical"};
    std::fprintf(stderr, "[%s] %s: %s\n", names[int(icon)], title.toUtf8().constData(), text.toUtf8().constData());
    std::fflush(stderr);
}

void UnattendedDialogHandler::openFile(const QString&, const QString&, const QString&, FileChosen chosen)
{
    if (chosen)
        chosen(QString());
}

}  // namespace sumbrel
