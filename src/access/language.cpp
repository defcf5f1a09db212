#include "access/language.h"

#include "startup/trace_log.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTranslator>
#include <memory>

namespace sumbrel::access {

namespace {
Language g_language = Language::Korean;
std::unique_ptr<QTranslator> g_translator;
}  // namespace

const LanguageInfo& InfoOf(Language language)
{
    for (const LanguageInfo& info : kLanguages) {
        if (info.language == language)
            return info;
    }
    return kLanguages.front();
}

Language VisitLanguage()
{
    return g_language;
}

bool SetVisitLanguage(Language language)
{
    if (g_translator) {
        QCoreApplication::removeTranslator(g_translator.get());
        g_translator.reset();
    }
    g_language = Language::Korean;
    if (language == Language::Korean)
        return true;
    auto translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral(":/i18n/sumbrel_%1.qm").arg(QLatin1String(InfoOf(language).code));
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) {
        WriteLog(QStringLiteral("Language: no translations in %1; the customer's texts stay Korean").arg(file));
        return false;
    }
    g_translator = std::move(translator);
    g_language = language;
    return true;
}

namespace {

// Kana, kanji and Japanese punctuation: what kakasi is given. It reads Japanese text only (a Hangul
// name or "₩" would come back as garbage), so everything else stays as it is.
bool Japanese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x4dbf) || (u >= 0x4e00 && u <= 0x9fff)
        || (u >= 0xff01 && u <= 0xff60);
}

}  // namespace

QString SpokenReading(Language language, const QString& text)
{
    if (language != Language::Japanese)
        return text;
    // The Japanese runs, one to a line, into one kakasi; their readings back in their places.
    QList<std::pair<qsizetype, qsizetype>> runs;
    for (qsizetype i = 0; i < text.size();) {
        if (!Japanese(text[i])) {
            ++i;
            continue;
        }
        const qsizetype from = i;
        while (i < text.size() && Japanese(text[i]))
            ++i;
        runs.append({from, i - from});
    }
    if (runs.isEmpty())
        return text;
    QStringList lines;
    for (const auto& [from, length] : runs)
        lines << text.mid(from, length);
    QProcess kakasi;
    kakasi.start(QStringLiteral("kakasi"),
                 {QStringLiteral("-JH"), QStringLiteral("-i"), QStringLiteral("utf8"), QStringLiteral("-o"),
                  QStringLiteral("utf8")});
    if (!kakasi.waitForStarted(2000)) {
        WriteLog(QStringLiteral("Language: kakasi did not start (%1); the Japanese text is read as it is")
                     .arg(kakasi.errorString()));
        return text;
    }
    kakasi.write((lines.join(u'\n') + u'\n').toUtf8());
    kakasi.closeWriteChannel();
    const bool finished = kakasi.waitForFinished(2000) && kakasi.exitCode() == 0;
    const QStringList readings = QString::fromUtf8(kakasi.readAllStandardOutput()).split(u'\n');
    if (!finished || readings.size() < lines.size()) {
        kakasi.kill();
        kakasi.waitForFinished(500);
        WriteLog(QStringLiteral("Language: kakasi gave no reading; the Japanese text is read as it is"));
        return text;
    }
    QString spoken = text;
    for (qsizetype r = runs.size() - 1; r >= 0; --r)
        spoken.replace(runs[r].first, runs[r].second, readings[r]);
    return spoken;
}

}  // namespace sumbrel::access
