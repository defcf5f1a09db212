#include "form.h"

namespace demoshop {

bool FormFields::has(std::string_view name) const
{
    for (const auto& p : pairs)
        if (p.first == name)
            return true;
    return false;
}

std::string FormFields::value(std::string_view name) const
{
    for (auto it = pairs.rbegin(); it != pairs.rend(); ++it)
        if (it->first == name)
            return it->second;
    return {};
}

std::map<std::string, std::string> FormFields::asMap() const
{
    std::map<std::string, std::string> m;
    for (const auto& p : pairs)
        m[p.first] = p.second;
    return m;
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return text;
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (true) {
        size_t hit = text.find(from, pos);
        if (hit == std::string::npos)
            break;
        out.append(text, pos, hit - pos);
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text, pos, std::string::npos);
    return out;
}

static int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string urlDecode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '+') {
            out.push_back(' ');
        } else if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

FormFields parseForm(std::string_view body)
{
    FormFields f;
    size_t pos = 0;
    while (pos <= body.size()) {
        size_t amp = body.find('&', pos);
        if (amp == std::string_view::npos)
            amp = body.size();
        std::string_view pair = body.substr(pos, amp - pos);
        if (!pair.empty()) {
            size_t eq = pair.find('=');
            std::string name = urlDecode(pair.substr(0, eq));
            std::string value = eq == std::string_view::npos ? std::string() : urlDecode(pair.substr(eq + 1));
            if (!name.empty())
                f.pairs.emplace_back(std::move(name), std::move(value));
        }
        pos = amp + 1;
    }
    return f;
}

std::string urlEncode(std::string_view text)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
            || c == '.' || c == '~') {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}

std::string escapeText(std::string_view plain)
{
    std::string s(plain);
    s = replaceAll(std::move(s), "+", "플랏뚜ㅋ");
    s = replaceAll(std::move(s), "&", "!123!");
    s = replaceAll(std::move(s), "＆", "!123!");
    s = replaceAll(std::move(s), "\r\n", "!줄바꿈!");
    s = replaceAll(std::move(s), "\n", "!줄!");
    return s;
}

std::string unescapeOrderText(std::string_view escaped)
{
    std::string s(escaped);
    s = replaceAll(std::move(s), "플랏뚜ㅋ", "+");
    s = replaceAll(std::move(s), "!123!", "&");
    s = replaceAll(std::move(s), "!줄바꿈!", "\r\n");
    s = replaceAll(std::move(s), "!줄!", "\n");
    return s;
}

std::string field(std::string_view name, std::string_view value)
{
    std::string s;
    s.reserve(name.size() * 2 + value.size() + 2);
    s.append(name).append("[").append(value).append("]").append(name);
    return s;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string trim(std::string_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t' || text[b] == '\r' || text[b] == '\n'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r' || text[e - 1] == '\n'))
        --e;
    return std::string(text.substr(b, e - b));
}

std::vector<std::string> split(std::string_view text, char sep)
{
    std::vector<std::string> out;
    size_t pos = 0;
    while (true) {
        size_t hit = text.find(sep, pos);
        if (hit == std::string_view::npos) {
            out.emplace_back(text.substr(pos));
            break;
        }
        out.emplace_back(text.substr(pos, hit - pos));
        pos = hit + 1;
    }
    return out;
}

}  // namespace demoshop
