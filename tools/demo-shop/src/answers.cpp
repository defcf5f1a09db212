#include "answers.h"

#include "form.h"

namespace demoshop {

// The real pages print some blank lines from their includes before the
// content, with doubled CR and LF among them.
static const char* kPageHead = "\r\n\r\n<!-- orbik shop api -->\n\n";

std::string loginAnswer(bool ok, int shopNumber, const std::string& shopName)
{
    if (!ok)
        return loginFailedAnswer();
    std::string s = kPageHead;
    s += "로그인 성공\r\r\n";
    s += field("번호", std::to_string(shopNumber)) + "\r\n\r\n";
    s += field("storename", shopName) + "\n\n";
    s += field("level", "1") + "\r\n";
    return s;
}

std::string loginFailedAnswer()
{
    return std::string(kPageHead) + "로그인 실패\r\n아이디 또는 비밀번호를 확인하세요.\r\n";
}

std::string settingsAnswer(const std::vector<std::pair<std::string, std::string>>& fields)
{
    std::string s = kPageHead;
    for (const auto& [name, value] : fields)
        s += field(name, value) + "\r\n";
    return s;
}

std::string orderAcceptedAnswer(int64_t orderId, int waitingTeams)
{
    std::string s = kPageHead;
    s += "주문 접수 성공\r\n";
    s += field("order", std::to_string(orderId)) + "\r\n";
    s += field("waiting", std::to_string(waitingTeams)) + "\r\n";
    return s;
}

std::string orderRepeatedAnswer()
{
    return std::string(kPageHead) + "이미 신청된 번호입니다.\r\n";
}

std::string orderInvalidAnswer(const std::string& why)
{
    return std::string(kPageHead) + "주문 정보 오류: " + why + "\r\n";
}

std::string categoryAnswer(const std::vector<Category>& categories)
{
    std::string s = kPageHead;
    for (const auto& c : categories) {
        s += "<menubrr>";
        s += field("num", std::to_string(c.num));
        s += ' ';
        s += field("category", escapeText(c.name));
        s += ' ';
        s += field("discount", c.discount);
        s += ' ';
        s += field("saving", c.saving);
        // The terminal looks for " YN[": the blank keeps it apart from foldYN.
        s += ' ';
        s += field("YN", c.yn);
        s += ' ';
        s += field("foldYN", c.foldYN);
        s += "</menubrr>\r\n";
    }
    return s;
}

static const std::vector<std::string>& escapedTags()
{
    static const std::vector<std::string> tags = {"title", "category", "infotext1", "infotext2", "add1",
                                                  "add2",  "add3",     "add4",      "add5"};
    return tags;
}

static bool isEscapedTag(const std::string& tag)
{
    for (const auto& t : escapedTags())
        if (t == tag)
            return true;
    return false;
}

std::string catalogueAnswer(const std::vector<MenuItem>& items)
{
    std::string s = kPageHead;
    for (const auto& m : items) {
        s += "<menubrr>\r\n";
        for (const auto& tag : menuTags()) {
            std::string value;
            if (tag == "num")
                value = std::to_string(m.num);
            else if (tag == "category")
                value = m.categoryName;
            else
                value = m.tag(tag);
            // Option groups carry names only where markup allows free text, so
            // escaping the whole group escapes just the names.
            if (isEscapedTag(tag))
                value = escapeText(value);
            s += field(tag, value) + "\r\n";
        }
        s += "</menubrr>\r\n";
    }
    return s;
}

std::string menuPageAnswer(const std::vector<Category>& categories, const std::vector<MenuItem>& items)
{
    std::string s = kPageHead;
    s += "<menubrr>\r\n";
    for (const auto& c : categories) {
        if (c.name == "분류없음")
            continue;
        std::string entries;
        for (const auto& m : items) {
            if (m.categoryNum != c.num || m.tag("TOMenuYN") != "Y")
                continue;
            auto put = [&](const char* open, const std::string& value, const char* close) {
                entries += open;
                entries += value;
                entries += close;
            };
            put("<submenuname>", escapeText(m.tag("title")), "");
            put(" !!!!", m.tag("price"), "@@@@");
            put(" !1!!!", std::to_string(c.num), "@1@@@");
            put(" !2!!!", std::to_string(m.num), "@2@@@");
            put(" !3!!!", escapeText(m.tag("infotext1")), "@3@@@");
            put(" !5!!!", escapeText(m.tag("infotext2")), "@5@@@");
            put(" !4!!!", m.tag("soldoutYN"), "@4@@@");
            entries += "</submenuname>\r\n";
        }
        if (entries.empty())
            continue;
        s += "<mainmenuname>";
        s += escapeText(c.name);
        s += "</mainmenuname>\r\n";
        s += entries;
    }
    s += "</menubrr>\r\n";
    return s;
}

std::string existAnswer(bool exists)
{
    return exists ? "있음" : "없음";
}

std::string statusText(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    case 504:
        return "Gateway Timeout";
    default:
        return "Error";
    }
}

std::string errorPage(int status, const std::string& detail)
{
    std::string code = std::to_string(status);
    std::string text = statusText(status);
    std::string s = "<!DOCTYPE html>\n<html><head><title>";
    s += code + " " + text + "</title></head>\n<body>\n<h1>" + text + "</h1>\n<p>" + detail;
    s += "</p>\n<hr><address>Apache Server at 127.0.0.1</address>\n</body></html>\n";
    return s;
}

}  // namespace demoshop
