#include "access/language.h"

#include "startup/trace_log.h"

#include <QCoreApplication>
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

}  // namespace sumbrel::access
