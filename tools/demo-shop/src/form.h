// Text handling shared by the demo shop: form bodies, the marker-word
// escaping of free texts, and the bracketed answer fields.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace demoshop {

// A decoded form body. Pairs keep their order for the request journal;
// lookups see the last value of a name, as PHP's $_POST does.
struct FormFields {
    std::vector<std::pair<std::string, std::string>> pairs;

    bool has(std::string_view name) const;
    // Empty when the name is absent.
    std::string value(std::string_view name) const;
    std::map<std::string, std::string> asMap() const;
};

std::string replaceAll(std::string text, std::string_view from, std::string_view to);

// Decodes as PHP's urldecode: "+" is a blank, "%XX" a byte, and a "%" that
// is not followed by two hex digits stays as it is.
std::string urlDecode(std::string_view text);

// Splits at "&", each pair at its first "="; a pair without "=" has an
// empty value; empty pairs are skipped.
FormFields parseForm(std::string_view body);

// Percent-encodes everything but unreserved characters.
std::string urlEncode(std::string_view text);

// The escaping in which the terminal sends free texts and in which this
// service sends names: "+", "&" (also U+FF06), CR LF and LF become marker
// words.
std::string escapeText(std::string_view plain);

// Exact reverse of what the terminal does to an order text. "!줄바꿈!" is
// replaced before "!줄!" so that a CR LF does not lose its CR.
std::string unescapeOrderText(std::string_view escaped);

// name + "[" + value + "]" + name
std::string field(std::string_view name, std::string_view value);

bool startsWith(std::string_view text, std::string_view prefix);
bool isDigits(std::string_view text);
std::string trim(std::string_view text);
std::vector<std::string> split(std::string_view text, char sep);

}  // namespace demoshop
