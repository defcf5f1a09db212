#pragma once
// The customer's language for one visit, and the one text function of the customer's path.
// Korean is the source: every customer text is written in Korean in the code and looked up by that
// text in the chosen language's translations (built from translations/*.ts). What is sent to the
// shop, the operator's screens, the logs and the traces never go through it.
#include <QString>
#include <array>

namespace sumbrel::access {

enum class Language { Korean, English, Chinese, Japanese };

struct LanguageInfo {
    Language language;
    const char* code;  // the translation file's suffix and the locale ("zh_CN")
    const char16_t* name;  // the language's name in its own script, on its key
    // espeak-ng's voice for it, as speech-dispatcher names it (ko, en-us, cmn-Latn-pinyin, ja). Not
    // "cmn": its Chinese characters come out as pinyin spelled in English ("ni three").
    const char* voice;
};

// In the order of the keys on the start panel.
inline constexpr std::array<LanguageInfo, 4> kLanguages{{
    {Language::Korean, "ko", u"한국어", "Korean"},
    {Language::English, "en", u"English", "English (America)"},
    {Language::Chinese, "zh_CN", u"中文", "Chinese (Mandarin, latin as Pinyin)"},
    {Language::Japanese, "ja", u"日本語", "Japanese"},
}};
const LanguageInfo& InfoOf(Language language);

// The visit's language (Korean until a customer chooses another; the visit's end returns to it).
Language VisitLanguage();
// Loads the language's translations in place of the last ones; false (and Korean) when they cannot
// be loaded, which is traced.
bool SetVisitLanguage(Language language);

// The text as the language's voice reads it: espeak-ng's Japanese voice reads kana only (a kanji
// comes out as "Chinese letter"), so Japanese is given in kana (kakasi); the text itself when that
// fails, which is traced. Runs a process: call it off the screens' thread.
QString SpokenReading(Language language, const QString& text);

// A customer text in the visit's language; the Korean text itself when it has no translation.
// lupdate finds the calls by this name (scripts/update-translations).
inline QString Tr(const char* korean)
{
    return qtTrId(korean);
}
// Marks a Korean text in a table for lupdate; translate it with Tr() where it is shown.
#define TrNoop(korean) korean

}  // namespace sumbrel::access
