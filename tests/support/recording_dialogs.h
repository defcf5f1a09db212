#pragma once
// Answers every modal box and file dialog at once and records what was shown.
#include "startup/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace sumbrel::testing {

struct ShownMessage {
    QString title;
    QString text;
    MessageIcon icon;
};

class RecordingDialogs : public DialogHandler {
public:
    RecordingDialogs() { setDialogHandler(this); }
    ~RecordingDialogs() override { setDialogHandler(nullptr); }

    void message(const QString& title, const QString& text, MessageIcon icon) override
    {
        messages.append({title, text, icon});
        if (onMessage)
            onMessage(messages.last());
    }
    void openFile(const QString& title, const QString&, const QString&, FileChosen chosen) override
    {
        fileDialogTitles.append(title);
        const QString path = nextFiles.isEmpty() ? QString() : nextFiles.takeFirst();
        if (chosen)
            chosen(path);
    }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : messages)
            out << m.text;
        return out;
    }

    QList<ShownMessage> messages;
    QStringList fileDialogTitles;
    QStringList nextFiles;  // answers of the coming file dialogs; empty: cancelled
    std::function<void(const ShownMessage&)> onMessage;
};

}  // namespace sumbrel::testing
