// The demo shop web service, tested over plain HTTP the way the terminal
// talks to it: form bodies that are not percent-encoded, answers read with
// the terminal's field cutter.
#include <gtest/gtest.h>
#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/category_table.h"
#include "catalogue/menu_tags.h"
#include "faults.h"
#include "form.h"
#include "server/fields.h"
#include "support/demo_shop.h"
#include "support/shop_test.h"
#include "support/sumbrel_test.h"
#include "support/test_certificate.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::string kLogin = "ID=demo&PassWord=demo1234";

// The terminal's own field cutter and escaping, on the std::string texts of these tests.
std::optional<std::string> cut(const std::string& answer, const std::string& name)
{
    const auto value = sumbrel::Field(QString::fromStdString(answer), QString::fromStdString(name));
    return value ? std::optional(value->toStdString()) : std::nullopt;
}

std::string terminalEncode(const std::string& s)
{
    return sumbrel::EscapeField(QString::fromStdString(s)).toStdString();
}

std::string terminalDecode(const std::string& s)
{
    return sumbrel::UnescapeField(QString::fromStdString(s)).toStdString();
}

using demoshop::replaceAll;

// Records as the terminal cuts them: after each "<menubrr>", up to the
// next "<menubrr>", cut at the first "</menubrr>".
std::vector<std::string> records(const std::string& answer)
{
    std::vector<std::string> out;
    const std::string open = "<menubrr>";
    size_t p = answer.find(open);
    while (p != std::string::npos) {
        size_t start = p + open.size();
        size_t next = answer.find(open, start);
        std::string rec = answer.substr(start, next == std::string::npos ? std::string::npos : next - start);
        out.push_back(rec.substr(0, rec.find("</menubrr>")));
        p = next;
    }
    return out;
}

size_t occurrences(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size()))
        ++n;
    return n;
}

// Occurrences of "tag[" that are not the tail of a longer tag name.
size_t tagOpenings(const std::string& record, const std::string& tag)
{
    size_t n = 0;
    std::string open = tag + "[";
    for (size_t p = record.find(open); p != std::string::npos; p = record.find(open, p + 1)) {
        char before = p == 0 ? ' ' : record[p - 1];
        if (!isalnum(static_cast<unsigned char>(before)))
            ++n;
    }
    return n;
}

std::string between(const std::string& text, const std::string& a, const std::string& b)
{
    size_t p = text.find(a);
    if (p == std::string::npos)
        return {};
    p += a.size();
    size_t e = text.find(b, p);
    return text.substr(p, e == std::string::npos ? std::string::npos : e - p);
}

std::string trimmed(const std::string& s)
{
    return demoshop::trim(s);
}

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

struct Tile {
    std::string category, name, price, number;
};

// The menu page's reading of PostMenuPageRequest, step by step as the terminal
// does it. Returns nullopt where the terminal would give up.
std::optional<std::pair<std::vector<std::string>, std::vector<Tile>>> parseMenuPage(const std::string& answer)
{
    size_t first = answer.find("<menubrr>");
    size_t last = answer.rfind("</menubrr>");
    if (first == std::string::npos || last == std::string::npos)
        return std::nullopt;
    std::string body = answer.substr(first + 9, last - first - 9);
    size_t m = body.find("<mainmenuname>");
    if (m == std::string::npos)
        return std::nullopt;
    std::vector<std::string> sections;
    const std::string mark = "<mainmenuname>";
    for (size_t p = m; p != std::string::npos;) {
        size_t start = p + mark.size();
        size_t next = body.find(mark, start);
        sections.push_back(body.substr(start, next == std::string::npos ? std::string::npos : next - start));
        p = next;
    }
    auto T = [](const std::string& s, const std::string& a, const std::string& b) -> std::optional<std::string> {
        size_t p = s.find(a);
        if (p == std::string::npos)
            return std::nullopt;
        p += a.size();
        size_t e = s.find(b, p);
        if (e == std::string::npos)
            return std::nullopt;
        return trimmed(s.substr(p, e - p));
    };
    std::vector<std::string> cats;
    std::vector<Tile> tiles;
    for (const auto& sec : sections) {
        size_t close = sec.find("</mainmenuname>");
        std::string cat = terminalDecode(trimmed(sec.substr(0, close)));
        cats.push_back(cat);
        if (close == std::string::npos)
            continue;
        std::string rest = sec.substr(close + 15);
        std::vector<std::string> pieces;
        size_t pos = 0;
        while (true) {
            size_t e = rest.find("</submenuname>", pos);
            if (e == std::string::npos)
                break;
            pieces.push_back(rest.substr(pos, e - pos));
            pos = e + 14;
        }
        for (const auto& entry : pieces) {
            auto name = T(entry, "<submenuname>", " !!!!");
            auto price = T(entry, " !!!!", "@@@@");
            auto num = T(entry, " !2!!!", "@2@@@");
            for (const char* a : {" !1!!!", " !3!!!", " !4!!!", " !5!!!"})
                if (entry.find(a) == std::string::npos)
                    return std::nullopt;
            if (!name || !price || !num)
                return std::nullopt;
            tiles.push_back({cat, terminalDecode(*name), *price, *num});
        }
    }
    return std::make_pair(cats, tiles);
}

class DemoShopTest : public sumbrel::testing::ShopTest {
protected:
    httplib::Client client() const
    {
        httplib::Client c("127.0.0.1", shop->port());
        c.set_connection_timeout(5, 0);
        c.set_read_timeout(10, 0);
        return c;
    }

    // Sends the body unchanged, as the terminal does.
    httplib::Result post(const std::string& path, const std::string& body) const
    {
        return client().Post(path.c_str(), body, "application/x-www-form-urlencoded");
    }

    std::string answer(const std::string& path, const std::string& body) const
    {
        auto res = post(path, body);
        EXPECT_TRUE(res) << path;
        if (!res)
            return {};
        EXPECT_EQ(res->status, 200) << path;
        EXPECT_EQ(res->get_header_value("Content-Type"), "text/plain; charset=utf-8") << path;
        return res->body;
    }

    std::string order(const std::string& phone, const std::string& menuText = "<menuliner>\r\n</menuliner>\r\n")
    {
        return answer("/program/TOorderProgram2.php",
                      kLogin + "&phonet=" + phone
                          + "&where=포장&pay=0&taxi=&memo=현장접수&menu=" + terminalEncode(menuText));
    }

    std::string catalogue(const std::string& category = "전체")
    {
        return answer("/Admin/menuloading1.php", kLogin + "&category=" + category);
    }
};

// ---------------------------------------------------------------- form text

TEST(DemoShopForm, DecodesLikePhp)
{
    using demoshop::urlDecode;
    EXPECT_EQ(urlDecode("a+b"), "a b");
    EXPECT_EQ(urlDecode("%41%2b%26"), "A+&");
    EXPECT_EQ(urlDecode("100%"), "100%");
    EXPECT_EQ(urlDecode("%zz%4"), "%zz%4");
    EXPECT_EQ(urlDecode("%e%41"), "%eA");
    EXPECT_EQ(urlDecode("아메리카노"), "아메리카노");

    auto f = demoshop::parseForm("&a=1=2&&b&c=x+y&a=3");
    ASSERT_EQ(f.pairs.size(), 4u);
    EXPECT_EQ(f.pairs[0], (std::pair<std::string, std::string>("a", "1=2")));
    EXPECT_EQ(f.pairs[1], (std::pair<std::string, std::string>("b", "")));
    EXPECT_TRUE(f.has("b"));
    EXPECT_FALSE(f.has("d"));
    EXPECT_EQ(f.value("c"), "x y");
    EXPECT_EQ(f.value("a"), "3");  // the last one wins
}

TEST(DemoShopForm, EscapingMatchesTheTerminal)
{
    const std::string plain = "a+b & c＆d\r\ne\nf\rg";
    EXPECT_EQ(demoshop::escapeText(plain), terminalEncode(plain));
    EXPECT_EQ(demoshop::unescapeOrderText(terminalEncode(plain)), "a+b & c&d\r\ne\nf\rg");
    // CR LF is restored before lone LF, so no CR is lost or invented.
    EXPECT_EQ(demoshop::unescapeOrderText("x!줄바꿈!y!줄!z"), "x\r\ny\nz");
}

TEST(DemoShopFaultText, ParsesCommandLineFaults)
{
    std::string err;
    auto f = demoshop::parseFaultText("/program/logins.php,kind=status,status=503,count=2", &err);
    ASSERT_TRUE(f) << err;
    EXPECT_EQ(f->path, "/program/logins.php");
    EXPECT_EQ(f->kind, demoshop::FaultKind::Status);
    EXPECT_EQ(f->status, 503);
    EXPECT_EQ(f->count, 2);
    EXPECT_FALSE(f->body);

    f = demoshop::parseFaultText("/a,kind=garbage,body=x,y=z,count=0", &err);
    ASSERT_TRUE(f) << err;
    EXPECT_EQ(*f->body, "x,y=z");
    EXPECT_EQ(f->count, 0);

    f = demoshop::parseFaultText("/a,kind=delay,delay_ms=1500", &err);
    ASSERT_TRUE(f) << err;
    EXPECT_EQ(f->delayMs, 1500);
    EXPECT_EQ(f->count, 1);

    f = demoshop::parseFaultText("/a,kind=trickle,interval_ms=250", &err);
    ASSERT_TRUE(f) << err;
    EXPECT_EQ(f->kind, demoshop::FaultKind::Trickle);
    EXPECT_EQ(f->intervalMs, 250);
    f = demoshop::parseFaultText("/a,kind=process-close", &err);
    ASSERT_TRUE(f) << err;
    EXPECT_EQ(f->kind, demoshop::FaultKind::ProcessClose);

    EXPECT_FALSE(demoshop::parseFaultText("/a,kind=trickle,interval_ms=0", &err));
    EXPECT_FALSE(demoshop::parseFaultText("/a,kind=explode", &err));
    EXPECT_FALSE(demoshop::parseFaultText("/a,kind=status,status=abc", &err));
    EXPECT_FALSE(demoshop::parseFaultText("nopath,kind=close", &err));
    EXPECT_FALSE(demoshop::parseFaultText("/a,colour=red", &err));
}

// ---------------------------------------------------------------- login

TEST_F(DemoShopTest, LoginAcceptsTheDemoAccount)
{
    std::string a = answer("/program/logins.php", kLogin);
    EXPECT_NE(a.find("성공"), std::string::npos);
    EXPECT_EQ(cut(a, "번호"), "12");
    EXPECT_EQ(cut(a, "storename"), "오르빅 커피 본점");
    // Looks like PHP output, doubled line breaks included, and opens a session.
    EXPECT_NE(a.find("\r\r"), std::string::npos);
    EXPECT_NE(a.find("\n\n"), std::string::npos);
    EXPECT_TRUE(
        demoshop::startsWith(post("/program/logins.php", kLogin)->get_header_value("Set-Cookie"), "PHPSESSID="));
}

class DemoShopEucKr : public DemoShopTest {
    QStringList shopArgs() const override { return {qs("--charset"), qs("EUC-KR"), qs("--password"), qs("a+b&c 1")}; }
};

TEST_F(DemoShopEucKr, AnswersAndReadsItsFormsInItsCharsetWithItsPassword)
{
    auto euckr = [](const char* text) {
        QStringEncoder encoder("EUC-KR");
        const QByteArray bytes = encoder.encode(qs(text));
        return bytes.toStdString();
    };
    auto fromEuckr = [](const std::string& bytes) {
        QStringDecoder decoder("EUC-KR");
        const QString text = decoder.decode(QByteArray::fromStdString(bytes));
        return text;
    };
    const std::string login = "ID=demo&PassWord=a%2Bb%26c+1";
    auto res = post("/program/logins.php", login);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->get_header_value("Content-Type"), "text/plain; charset=EUC-KR");
    const QString text = fromEuckr(res->body);
    EXPECT_TRUE(text.contains(qs("성공"))) << text.toStdString();
    EXPECT_TRUE(text.contains(qs("storename[오르빅 커피 본점]storename")));
    res = post("/program/TOorderProgram2.php",
               login + "&phonet=01012345678&where=" + euckr("포장") + "&memo=" + euckr("현장접수")
                   + "&menu=" + euckr("김밥 플랏뚜ㅋ 라면"));
    ASSERT_TRUE(res);
    EXPECT_TRUE(fromEuckr(res->body).contains(qs("성공")));
    const QJsonObject order = shop->orders().last().toObject();
    EXPECT_EQ(order[qs("where")].toString(), qs("포장"));
    EXPECT_EQ(order[qs("memo")].toString(), qs("현장접수"));
    EXPECT_EQ(order[qs("menu")].toString(), qs("김밥 + 라면"));
    // The old password no longer opens the shop.
    EXPECT_FALSE(fromEuckr(post("/program/logins.php", kLogin)->body).contains(qs("성공")));
}

class DemoShopTls : public sumbrel::testing::SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        certificate = sumbrel::testing::MakeCertificate(folder.path());
        ASSERT_TRUE(certificate.error.isEmpty()) << certificate.error.toStdString();
        shop = std::make_unique<DemoShop>(QStringList{qs("--tls"), certificate.cert, certificate.key});
    }
    void TearDown() override
    {
        shop.reset();
        SumbrelTest::TearDown();
    }
    sumbrel::testing::TestCertificate certificate;
    std::unique_ptr<DemoShop> shop;
};

TEST_F(DemoShopTls, ServesHttpsAndHttpOnOnePort)
{
    httplib::SSLClient secure("127.0.0.1", shop->port());
    secure.set_ca_cert_path(certificate.cert.toStdString().c_str());
    secure.enable_server_certificate_verification(true);
    secure.set_connection_timeout(5, 0);
    auto res = secure.Post("/program/logins.php", kLogin, "application/x-www-form-urlencoded");
    ASSERT_TRUE(res) << httplib::to_string(res.error());
    EXPECT_NE(res->body.find("성공"), std::string::npos);
    httplib::Client plain("127.0.0.1", shop->port());
    res = plain.Post("/program/logins.php", kLogin, "application/x-www-form-urlencoded");
    ASSERT_TRUE(res) << httplib::to_string(res.error());
    EXPECT_NE(res->body.find("성공"), std::string::npos);
    const QJsonArray journal = shop->requests();
    ASSERT_EQ(journal.size(), 2);
    EXPECT_TRUE(journal[0].toObject()[qs("tls")].toBool());
    EXPECT_FALSE(journal[1].toObject()[qs("tls")].toBool());
}

TEST_F(DemoShopTest, WrongCredentialsNeverSucceed)
{
    for (const std::string body : {"ID=demo&PassWord=wrong", "ID=other&PassWord=demo1234", "", "ID=demo",
                                   "ID=demo&PassWord=demo1234x", "ID=Demo&PassWord=demo1234"}) {
        std::string a = answer("/program/logins.php", body);
        EXPECT_EQ(a.find("성공"), std::string::npos) << body;
        EXPECT_NE(a.find("로그인 실패"), std::string::npos) << body;
        EXPECT_FALSE(cut(a, "번호")) << body;
    }
    const std::string bad = "ID=demo&PassWord=nope";
    for (const char* path : {"/program/TOLoadProgram.php", "/Admin/categoryloading.php", "/Admin/menuloading1.php",
                             "/shop/menuloading3.php", "/logoexistCheck.php"}) {
        std::string a = answer(path, bad + "&category=전체&logonum=12&checktypes=");
        EXPECT_EQ(a.find("성공"), std::string::npos) << path;
        EXPECT_EQ(a.find("<menubrr>"), std::string::npos) << path;
        EXPECT_EQ(a.find("count["), std::string::npos) << path;
        EXPECT_EQ(a.find("있음"), std::string::npos) << path;
    }
    std::string a = answer("/program/TOorderProgram2.php", bad + "&phonet=01011112222&menu=x");
    EXPECT_EQ(a.find("성공"), std::string::npos);
    EXPECT_EQ(a.find("이미"), std::string::npos);
    EXPECT_EQ(shop->orders().size(), 0);
}

// ---------------------------------------------------------------- orders

TEST_F(DemoShopTest, OrderTextSurvivesTheEscapingRoundTrip)
{
    const std::string menu = "<menuliner>\r\n<mnuname>아이스티 + 샷 ( x1 )</mnuname>\r\n<mnucount>2</mnucount>\r\n"
                             "<mnuprice>7000</mnuprice>\r\n<menubrr>\r\n<field>추가 선택</field>\r\n"
                             "<submenu>헤이즐넛&카라멜 시럽</submenu>\r\n<subprice>+500원</subprice>\r\n</menubrr>\r\n"
                             "</menuliner>\r\n<mnuname>치즈＆베이컨 100% 50%할인 %zz</mnuname>\nlone LF\r\n";
    std::string a = answer(
        "/program/TOorderProgram2.php",
        kLogin + "&phonet=01012345678&where=매장식사&pay=1&taxi=1234&memo=현장접수&menu=" + terminalEncode(menu));
    EXPECT_NE(a.find("성공"), std::string::npos) << a;

    QJsonArray orders = shop->orders();
    ASSERT_EQ(orders.size(), 1);
    QJsonObject o = orders[0].toObject();
    EXPECT_EQ(o[qs("phone")].toString(), qs("01012345678"));
    EXPECT_EQ(o[qs("where")].toString(), qs("매장식사"));
    EXPECT_EQ(o[qs("pay")].toString(), qs("1"));
    EXPECT_EQ(o[qs("taxi")].toString(), qs("1234"));
    EXPECT_EQ(o[qs("memo")].toString(), qs("현장접수"));
    // The full-width ampersand comes back as a plain one: both travel as "!123!".
    std::string expected = replaceAll(menu, "＆", "&");
    EXPECT_EQ(o[qs("menu")].toString().toStdString(), expected);
    EXPECT_EQ(o[qs("menu_raw")].toString().toStdString(), terminalEncode(menu));
    EXPECT_GE(o[qs("id")].toInt(), 1);
    EXPECT_EQ(o[qs("created")].toString().size(), 19);  // YYYY-MM-DD HH:MM:SS
    EXPECT_EQ(cut(a, "order"), std::to_string(o[qs("id")].toInt()));
}

TEST_F(DemoShopTest, PercentSequencesAreDecodedAsPhpDoes)
{
    // The terminal does not percent-encode, so "%41" in a text reaches the
    // page as "A", as it would at the real shop.
    std::string a = answer("/program/TOorderProgram2.php", kLogin + "&phonet=01000000001&menu=x%41y%2Bz+w");
    EXPECT_NE(a.find("성공"), std::string::npos);
    QJsonObject o = shop->orders()[0].toObject();
    EXPECT_EQ(o[qs("menu_raw")].toString(), qs("xAy+z w"));
}

TEST_F(DemoShopTest, RepeatedPhoneNumberIsRefused)
{
    EXPECT_NE(order("01099998888").find("성공"), std::string::npos);
    std::string again = order("01099998888");
    EXPECT_NE(again.find("이미 신청된 번호입니다"), std::string::npos) << again;
    EXPECT_EQ(again.find("성공"), std::string::npos);
    EXPECT_NE(order("01099998887").find("성공"), std::string::npos);
    QJsonArray orders = shop->orders();
    ASSERT_EQ(orders.size(), 2);
    EXPECT_EQ(orders[0].toObject()[qs("phone")].toString(), qs("01099998888"));
    EXPECT_EQ(orders[1].toObject()[qs("phone")].toString(), qs("01099998887"));
}

TEST_F(DemoShopTest, OrderWithoutPhoneIsInvalid)
{
    for (const std::string& body : {kLogin + "&where=포장&menu=x", kLogin + "&phonet=&menu=x"}) {
        std::string a = answer("/program/TOorderProgram2.php", body);
        EXPECT_EQ(a.find("성공"), std::string::npos) << a;
        EXPECT_EQ(a.find("이미"), std::string::npos) << a;
    }
    EXPECT_EQ(shop->orders().size(), 0);
}

class DemoShopNoRepeatWindow : public DemoShopTest {
    QStringList shopArgs() const override { return {qs("--repeat-window"), qs("0")}; }
};

TEST_F(DemoShopNoRepeatWindow, AcceptsTheSameNumberAgain)
{
    EXPECT_NE(order("01055556666").find("성공"), std::string::npos);
    EXPECT_NE(order("01055556666").find("성공"), std::string::npos);
    EXPECT_EQ(shop->orders().size(), 2);
}

// ---------------------------------------------------------------- settings

TEST_F(DemoShopTest, SettingsCarryAllSevenFieldsAndCountWaitingTeams)
{
    std::string a = answer("/program/TOLoadProgram.php", kLogin);
    EXPECT_EQ(cut(a, "count"), "0");
    EXPECT_EQ(cut(a, "time"), "0분");
    EXPECT_EQ(cut(a, "TOWhereYN"), "Y");
    EXPECT_EQ(cut(a, "TakeOutCarYN"), "Y");
    EXPECT_EQ(cut(a, "TOPayTypeS"), "Y");
    ASSERT_TRUE(cut(a, "TakeOutPCText"));
    EXPECT_FALSE(cut(a, "TakeOutPCText")->empty());
    auto car = cut(a, "TakeOutCarText");
    ASSERT_TRUE(car);
    EXPECT_EQ(occurrences(*car, "!줄바꿈!"), 1u) << *car;
    // Nothing ending in "count" comes before the count field.
    EXPECT_EQ(a.find("count["), a.find("\ncount[") + 1);

    order("01011110001");
    order("01011110002");
    a = answer("/program/TOLoadProgram.php", kLogin);
    EXPECT_EQ(cut(a, "count"), "2");
    EXPECT_EQ(cut(a, "time"), "6분");
}

TEST_F(DemoShopTest, SettingsOverridesOmissionsAndRawAnswers)
{
    shop->setSettings({{qs("count"), qs("3분")}, {qs("TOWhereYN"), qs("N")}, {qs("TakeOutCarText"), qs("a&b")}});
    std::string a = answer("/program/TOLoadProgram.php", kLogin);
    EXPECT_EQ(cut(a, "count"), "3분");
    EXPECT_EQ(cut(a, "TOWhereYN"), "N");
    EXPECT_EQ(cut(a, "TakeOutCarText"), "a&b");
    EXPECT_EQ(cut(a, "TOPayTypeS"), "Y");

    shop->setSettings({{qs("omit"), qs("time, TOPayTypeS")}});
    a = answer("/program/TOLoadProgram.php", kLogin);
    EXPECT_FALSE(cut(a, "time"));
    EXPECT_FALSE(cut(a, "TOPayTypeS"));
    EXPECT_EQ(cut(a, "count"), "3분");
    EXPECT_TRUE(cut(a, "TakeOutCarYN"));

    // Setting a value brings an omitted field back.
    shop->setSettings({{qs("time"), qs("15분")}});
    a = answer("/program/TOLoadProgram.php", kLogin);
    EXPECT_EQ(cut(a, "time"), "15분");
    EXPECT_FALSE(cut(a, "TOPayTypeS"));

    shop->setSettings({{qs("raw"), qs("count[7]count")}});
    EXPECT_EQ(answer("/program/TOLoadProgram.php", kLogin), "count[7]count");
    shop->setSettings({{qs("raw"), QString()}});
    EXPECT_EQ(answer("/program/TOLoadProgram.php", kLogin), "");

    shop->setSettings({{qs("reset"), qs("1")}});
    a = answer("/program/TOLoadProgram.php", kLogin);
    EXPECT_EQ(cut(a, "count"), "0");
    EXPECT_EQ(cut(a, "TOWhereYN"), "Y");
    EXPECT_EQ(cut(a, "TOPayTypeS"), "Y");
    EXPECT_EQ(cut(a, "time"), "0분");
}

// ---------------------------------------------------------------- catalogue

TEST_F(DemoShopTest, CatalogueRecordsCarryEveryTagOnce)
{
    std::vector<std::string> tags;
    for (const auto& t : sumbrel::kMenuTagList)
        tags.emplace_back(t.name);
    std::string a = catalogue();
    auto recs = records(a);
    ASSERT_EQ(recs.size(), 59u);
    EXPECT_EQ(occurrences(a, "</menubrr>"), 59u);

    std::set<std::string> nums;
    std::set<std::string> mincounts;
    int uncategorised = 0, withoutGroups = 0, severalGroups = 0;
    for (const auto& r : recs) {
        for (const auto& t : tags) {
            EXPECT_EQ(tagOpenings(r, t), 1u) << t << " in " << r.substr(0, 80);
            EXPECT_EQ(occurrences(r, "]" + t + "\r\n"), 1u) << t;
        }
        EXPECT_LT(r.find("num["), r.find("SOregdate1num["));
        EXPECT_LT(r.find("num["), r.find("SOregdate2num["));
        auto num = cut(r, "num");
        ASSERT_TRUE(num);
        EXPECT_TRUE(demoshop::isDigits(*num)) << *num;
        EXPECT_TRUE(nums.insert(*num).second) << "duplicate " << *num;
        EXPECT_EQ(cut(r, "positemnumber"), "P" + *num);

        auto print = cut(r, "printtext");
        ASSERT_TRUE(print);
        EXPECT_EQ(occurrences(*print, ";"), 2u) << *print;
        int price = std::stoi(*cut(r, "price"));
        EXPECT_GE(price, 2000);
        EXPECT_LE(price, 7500);

        // Escaped texts hold none of the characters that the escaping replaces.
        for (const char* t : {"title", "category", "infotext1", "infotext2", "add1", "add2", "add3", "add4", "add5"}) {
            std::string v = *cut(r, t);
            EXPECT_EQ(v.find_first_of("+&\n"), std::string::npos) << t << ": " << v;
            EXPECT_EQ(v.find("＆"), std::string::npos) << t << ": " << v;
            EXPECT_EQ(v.find("◈"), std::string::npos) << t << ": " << v;
        }
        if (terminalDecode(*cut(r, "category")) == "분류없음")
            ++uncategorised;

        int groups = 0;
        for (int g = 1; g <= 5; ++g) {
            std::string v = *cut(r, "add" + std::to_string(g));
            std::string yn = trimmed(between(v, "<yn>", "</yn>"));
            if (yn.empty())
                continue;
            ++groups;
            EXPECT_FALSE(trimmed(between(v, "<field>", "</field>")).empty());
            mincounts.insert(trimmed(between(v, "<mincount>", "</mincount>")));
            EXPECT_GE(occurrences(v, "<subtitle>"), 2u);
            EXPECT_EQ(occurrences(v, "<subtitle>"), occurrences(v, "<subprice>"));
            EXPECT_EQ(occurrences(v, "</subtitle><subprice>"), occurrences(v, "<subtitle>"));
        }
        if (groups == 0)
            ++withoutGroups;
        if (groups >= 2)
            ++severalGroups;
    }
    EXPECT_EQ(uncategorised, 2);
    EXPECT_GE(withoutGroups, 5);
    EXPECT_GE(severalGroups, 5);
    EXPECT_EQ(mincounts, (std::set<std::string>{"0", "1", "2"}));
    // Names with "+" and "&" travel escaped and come back readable.
    EXPECT_NE(a.find("title[아이스티 플랏뚜ㅋ 샷]title"), std::string::npos);
    EXPECT_NE(a.find("title[치즈!123!베이컨 베이글]title"), std::string::npos);
    EXPECT_NE(a.find("<subtitle>헤이즐넛!123!카라멜 시럽</subtitle>"), std::string::npos);
}

TEST_F(DemoShopTest, CatalogueFiltersByCategory)
{
    auto coffee = records(catalogue("커피"));
    ASSERT_EQ(coffee.size(), 24u);
    for (const auto& r : coffee)
        EXPECT_EQ(cut(r, "category"), "커피");
    // The category name travels escaped in the catalogue; either form selects it.
    EXPECT_EQ(records(catalogue("에이드!123!주스")).size(), 5u);
    EXPECT_EQ(records(catalogue("분류없음")).size(), 2u);
    EXPECT_EQ(records(catalogue("없는 분류")).size(), 0u);
}

TEST_F(DemoShopTest, CategoriesHaveTheBlankBeforeYn)
{
    std::string a = answer("/Admin/categoryloading.php", kLogin);
    auto recs = records(a);
    ASSERT_EQ(recs.size(), 8u);
    std::vector<std::string> names;
    for (const auto& r : recs) {
        EXPECT_EQ(occurrences(r, " YN["), 1u) << r;
        EXPECT_LT(r.find(" YN["), r.find("foldYN[")) << r;
        auto fold = cut(r, "foldYN");
        ASSERT_TRUE(fold);
        EXPECT_TRUE(*fold == "Y" || *fold == "N");
        for (const char* t : {"num", "discount", "saving"})
            EXPECT_TRUE(cut(r, t)) << t;
        names.push_back(terminalDecode(*cut(r, "category")));
    }
    // The terminal's category reader finds every YN value (it looks for " YN[").
    const sumbrel::CategoryTable table = sumbrel::ParseCategoryAnswer(QString::fromStdString(a));
    ASSERT_EQ(table.rowCount(), 7);  // the "분류없음" record is left out
    for (qsizetype i = 0; i < table.rowCount(); ++i)
        EXPECT_EQ(table.row(i).yn, QStringLiteral("Y"));
    EXPECT_EQ(names.front(), "커피");
    EXPECT_EQ(names[3], "에이드＆주스");
    EXPECT_EQ(names.back(), "분류없음");
}

TEST_F(DemoShopTest, MenuPageMatchesTheCatalogue)
{
    auto page = parseMenuPage(answer("/shop/menuloading3.php", kLogin + "&checktypes="));
    ASSERT_TRUE(page);
    const auto& [cats, tiles] = *page;
    EXPECT_EQ(cats,
              (std::vector<std::string>{"커피", "라떼", "티", "에이드＆주스", "디저트", "베이커리", "시즌 메뉴"}));
    ASSERT_EQ(tiles.size(), 57u);

    std::map<std::string, std::pair<std::string, std::string>> byNum;  // num -> (title, price)
    for (const auto& r : records(catalogue()))
        byNum[*cut(r, "num")] = {terminalDecode(*cut(r, "title")), *cut(r, "price")};
    size_t coffees = 0;
    for (const auto& t : tiles) {
        ASSERT_TRUE(byNum.count(t.number)) << t.number;
        EXPECT_EQ(byNum[t.number].first, t.name);
        EXPECT_EQ(byNum[t.number].second, t.price);
        if (t.category == "커피")
            ++coffees;
    }
    EXPECT_EQ(coffees, 24u);  // more than one page of 20 tiles
    EXPECT_EQ(tiles.front().name, "에스프레소");
}

// ---------------------------------------------------------------- pictures

TEST_F(DemoShopTest, PictureChecksAndDownloads)
{
    EXPECT_EQ(answer("/menuexistCheck.php", "&menunum=101"), "있음");
    EXPECT_EQ(answer("/menuexistCheck.php", "&menunum=110"), "없음");  // 롱블랙 has no picture
    EXPECT_EQ(answer("/menuexistCheck.php", "&menunum=9999"), "없음");
    EXPECT_EQ(answer("/menuexistCheck.php", "&menunum=../shop.db"), "없음");
    EXPECT_EQ(answer("/logoexistCheck.php", kLogin + "&logonum=12"), "있음");
    EXPECT_EQ(answer("/logoexistCheck.php", kLogin + "&logonum=13"), "없음");

    auto c = client();
    auto pic = c.Get("/menuimag/101.png");
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->status, 200);
    EXPECT_EQ(pic->get_header_value("Content-Type"), "image/png");
    EXPECT_EQ(pic->body.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    QFile onDisk(shop->dataDir() + qs("/menuimag/101.png"));
    ASSERT_TRUE(onDisk.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray::fromStdString(pic->body), onDisk.readAll());

    auto logo = c.Get("/logoimag/logo12_1.png");
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->status, 200);
    EXPECT_EQ(logo->body.substr(1, 3), "PNG");

    for (const char* path : {"/menuimag/110.png", "/menuimag/abc.png", "/logoimag/logo13_1.png", "/nothing.php"}) {
        auto missing = c.Get(path);
        ASSERT_TRUE(missing) << path;
        EXPECT_EQ(missing->status, 404) << path;
        EXPECT_NE(missing->body.find("<html>"), std::string::npos) << path;
    }

    shop->deletePicture(101);
    EXPECT_EQ(answer("/menuexistCheck.php", "&menunum=101"), "없음");
    EXPECT_EQ(c.Get("/menuimag/101.png")->status, 404);
    shop->deleteLogo();
    EXPECT_EQ(answer("/logoexistCheck.php", kLogin + "&logonum=12"), "없음");
}

TEST_F(DemoShopTest, SeedsPicturesForMostItems)
{
    QDir pictures(shop->dataDir() + qs("/menuimag"));
    QStringList files = pictures.entryList({qs("*.png")}, QDir::Files);
    EXPECT_EQ(files.size(), 54);
    for (const char* missing : {"110.png", "122.png", "147.png", "152.png", "159.png"})
        EXPECT_FALSE(files.contains(qs(missing))) << missing;
}

// ---------------------------------------------------------------- faults

TEST_F(DemoShopTest, StatusFaultAnswersAnErrorPageThenRecovers)
{
    shop->setFault(qs("/program/logins.php"), qs("status"), 1, 503);
    auto res = post("/program/logins.php", kLogin);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 503);
    EXPECT_NE(res->body.find("<html>"), std::string::npos);
    EXPECT_EQ(res->body.find("성공"), std::string::npos);
    EXPECT_NE(answer("/program/logins.php", kLogin).find("성공"), std::string::npos);

    shop->setFault(qs("/program/logins.php"), qs("status"), 1, 0, 0, qs("down for maintenance"));
    res = post("/program/logins.php", kLogin);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 500);
    EXPECT_EQ(res->body, "down for maintenance");
}

TEST_F(DemoShopTest, FaultCountsAndClearing)
{
    const QString path = qs("/program/TOLoadProgram.php");
    shop->setFault(path, qs("status"), 2, 500);
    EXPECT_EQ(post(path.toStdString(), kLogin)->status, 500);
    EXPECT_EQ(answer("/program/logins.php", kLogin).find("성공") != std::string::npos, true);  // other paths unaffected
    EXPECT_EQ(post(path.toStdString(), kLogin)->status, 500);
    EXPECT_EQ(post(path.toStdString(), kLogin)->status, 200);

    shop->setFault(path, qs("status"), 0, 502);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(post(path.toStdString(), kLogin)->status, 502);
    shop->clearFaults();
    EXPECT_EQ(post(path.toStdString(), kLogin)->status, 200);

    QJsonArray journal = shop->requests();
    int faulted = 0;
    for (const auto& v : journal)
        if (v.toObject()[qs("fault")].toString() == qs("status"))
            ++faulted;
    EXPECT_EQ(faulted, 5);
}

TEST_F(DemoShopTest, DelayFaultAnswersLate)
{
    shop->setFault(qs("/program/logins.php"), qs("delay"), 1, 0, 600);
    auto t0 = Clock::now();
    std::string a = answer("/program/logins.php", kLogin);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
    EXPECT_GE(ms, 600);
    EXPECT_NE(a.find("성공"), std::string::npos);
    t0 = Clock::now();
    answer("/program/logins.php", kLogin);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count(), 500);
}

// Sends one request over a plain socket and returns every byte that came
// back before the service closed the connection.
std::string rawExchange(int port, const std::string& request)
{
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval tv{5, 0};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    std::string got;
    if (::connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        ::send(s, request.data(), request.size(), MSG_NOSIGNAL);
        char buf[4096];
        ssize_t n;
        while ((n = ::recv(s, buf, sizeof buf, 0)) > 0)
            got.append(buf, static_cast<size_t>(n));
        if (n < 0)
            got = "<timeout>";
    } else {
        got = "<no connection>";
    }
    ::close(s);
    return got;
}

std::string formRequest(const std::string& path, const std::string& body, const std::string& extraHeaders = {})
{
    return "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: Firefox 3.6.4\r\n"
        + "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " + std::to_string(body.size()) + "\r\n"
        + extraHeaders + "\r\n" + body;
}

TEST_F(DemoShopTest, CloseFaultSendsNothing)
{
    shop->setFault(qs("/program/TOorderProgram2.php"), qs("close"), 1);
    std::string body = kLogin + "&phonet=01077778888&menu=x";
    EXPECT_EQ(rawExchange(shop->port(), formRequest("/program/TOorderProgram2.php", body)), "");
    // The closed request stored nothing; the next one is answered normally.
    EXPECT_EQ(shop->orders().size(), 0);
    std::string normal = rawExchange(shop->port(), formRequest("/program/TOorderProgram2.php", body));
    EXPECT_EQ(normal.substr(0, 15), "HTTP/1.1 200 OK");
    EXPECT_NE(normal.find("성공"), std::string::npos);

    // Also for a client that waits for "100 Continue" first.
    shop->setFault(qs("/program/logins.php"), qs("close"), 1);
    EXPECT_EQ(rawExchange(shop->port(), formRequest("/program/logins.php", kLogin, "Expect: 100-continue\r\n")), "");

    auto res = post("/program/logins.php", kLogin);
    ASSERT_TRUE(res);
    shop->setFault(qs("/program/logins.php"), qs("close"), 1);
    auto failed = post("/program/logins.php", kLogin);
    EXPECT_FALSE(failed);
}

TEST_F(DemoShopTest, ProcessCloseStoresTheOrderAndAnswersNothing)
{
    shop->addFault(qs("/program/TOorderProgram2.php"), qs("process-close"));
    const std::string body = kLogin + "&phonet=01066667777&menu=x";
    EXPECT_EQ(rawExchange(shop->port(), formRequest("/program/TOorderProgram2.php", body)), "");
    EXPECT_EQ(shop->orders().size(), 1) << "handled before the connection was dropped";
}

TEST_F(DemoShopTest, TrickleFaultSendsTheWholeAnswerByteByByte)
{
    shop->addFault(qs("/program/logins.php"), qs("trickle"), {{qs("interval_ms"), qs("2")}});
    const auto start = std::chrono::steady_clock::now();
    const std::string answer = rawExchange(shop->port(), formRequest("/program/logins.php", kLogin));
    const auto ms
        = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK");
    EXPECT_NE(answer.find("성공"), std::string::npos);
    // Two milliseconds a byte: at least one a byte, however the pauses round.
    EXPECT_GE(ms, int64_t(answer.size()));
}

TEST_F(DemoShopTest, GarbageFaultAnswersJunk)
{
    shop->setFault(qs("/program/logins.php"), qs("garbage"), 2);
    for (int i = 0; i < 2; ++i) {
        auto res = post("/program/logins.php", kLogin);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 200);
        EXPECT_GE(res->body.size(), 64u);
        EXPECT_EQ(res->body.find_first_of("[]<>"), std::string::npos);
        EXPECT_EQ(res->body.find("성공"), std::string::npos);
    }
    EXPECT_NE(answer("/program/logins.php", kLogin).find("성공"), std::string::npos);
}

TEST_F(DemoShopTest, BadFaultRequestsAreRefused)
{
    EXPECT_THROW(shop->setFault(qs("/program/logins.php"), qs("explode")), std::runtime_error);
    EXPECT_THROW(shop->setFault(qs("no-slash"), qs("close")), std::runtime_error);
    EXPECT_NE(answer("/program/logins.php", kLogin).find("성공"), std::string::npos);
}

class DemoShopStartFault : public DemoShopTest {
    QStringList shopArgs() const override
    {
        return {qs("--fault"), qs("/program/logins.php,kind=status,status=404,count=1"), qs("--fault"),
                qs("/shop/menuloading3.php,kind=garbage,body=no menu, sorry")};
    }
};

TEST_F(DemoShopStartFault, FaultsGivenAtStartApply)
{
    EXPECT_EQ(post("/program/logins.php", kLogin)->status, 404);
    EXPECT_EQ(post("/program/logins.php", kLogin)->status, 200);
    EXPECT_EQ(answer("/shop/menuloading3.php", kLogin), "no menu, sorry");
    EXPECT_NE(answer("/shop/menuloading3.php", kLogin).find("<mainmenuname>"), std::string::npos);
}

// ---------------------------------------------------------------- journal and life cycle

TEST_F(DemoShopTest, JournalKeepsTheLastRequests)
{
    std::string body = kLogin + "&phonet=010&x=a+b%21&menu=" + terminalEncode("A&B");
    answer("/program/TOorderProgram2.php", body);
    QJsonArray journal = shop->requests();
    ASSERT_EQ(journal.size(), 1);  // control calls are not journaled
    QJsonObject e = journal[0].toObject();
    EXPECT_EQ(e[qs("method")].toString(), qs("POST"));
    EXPECT_EQ(e[qs("path")].toString(), qs("/program/TOorderProgram2.php"));
    EXPECT_EQ(e[qs("raw_body")].toString().toStdString(), body);
    QJsonObject fields = e[qs("fields")].toObject();
    EXPECT_EQ(fields[qs("ID")].toString(), qs("demo"));
    EXPECT_EQ(fields[qs("x")].toString(), qs("a b!"));
    EXPECT_EQ(fields[qs("menu")].toString(), qs("A!123!B"));
    EXPECT_EQ(e[qs("status")].toInt(), 200);

    shop->clearRequests();
    EXPECT_EQ(shop->requests().size(), 0);
    for (int i = 0; i < 505; ++i)
        ASSERT_TRUE(post("/menuexistCheck.php", "&menunum=" + std::to_string(i)));
    journal = shop->requests();
    ASSERT_EQ(journal.size(), 500);
    EXPECT_EQ(journal[0].toObject()[qs("fields")].toObject()[qs("menunum")].toString(), qs("5"));
    EXPECT_EQ(journal[499].toObject()[qs("fields")].toObject()[qs("menunum")].toString(), qs("504"));
}

TEST_F(DemoShopTest, PrintsOneLinePerRequest)
{
    answer("/program/logins.php", kLogin);
    client().Get("/menuimag/110.png");
    shop->setFault(qs("/logoexistCheck.php"), qs("close"));
    post("/logoexistCheck.php", kLogin);
    auto deadline = Clock::now() + std::chrono::seconds(5);
    while (shop->logLines().size() < 4 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    QStringList lines = shop->logLines();
    ASSERT_EQ(lines.size(), 4) << lines.join(qs("\n")).toStdString();
    const char* expected[] = {"^POST /program/logins.php 200 \\d+ms$", "^GET /menuimag/110.png 404 \\d+ms$",
                              "^POST /__control/fault 200 \\d+ms$", "^POST /logoexistCheck.php closed \\d+ms$"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(QRegularExpression(qs(expected[i])).match(lines[i]).hasMatch()) << lines[i].toStdString();
}

TEST_F(DemoShopTest, ListensOnLoopbackAddressOnly)
{
    // Bound to 127.0.0.1 itself, not to every address of the machine.
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(shop->port()));
    ::inet_pton(AF_INET, "127.0.0.2", &addr.sin_addr);
    EXPECT_NE(::connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(s);
    EXPECT_EQ(shop->host(), qs("127.0.0.1:") + QString::number(shop->port()));
    EXPECT_EQ(shop->httpBase(), qs("http://127.0.0.1:") + QString::number(shop->port()));
}

TEST_F(DemoShopTest, EndsCleanlyOnSigterm)
{
    EXPECT_TRUE(shop->isRunning());
    EXPECT_EQ(shop->stop(), 0);
    EXPECT_FALSE(shop->isRunning());
    EXPECT_FALSE(post("/program/logins.php", kLogin));
}

TEST_F(DemoShopTest, EndsPromptlyDuringADelayedAnswer)
{
    shop->setFault(qs("/program/logins.php"), qs("delay"), 1, 0, 20000);
    std::thread slow([this] { post("/program/logins.php", kLogin); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    auto t0 = Clock::now();
    EXPECT_EQ(shop->stop(), 0);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count(), 3000);
    slow.join();
}

TEST_F(DemoShopTest, ReusesItsDataOnTheNextStart)
{
    ASSERT_NE(order("01012121212").find("성공"), std::string::npos);
    ASSERT_EQ(shop->stop(), 0);

    QProcess again;
    again.start(qs(DEMO_SHOP_PATH), {qs("--port"), qs("0"), qs("--data"), shop->dataDir()});
    auto t0 = Clock::now();
    ASSERT_TRUE(again.waitForReadyRead(10000));
    auto startMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
    int port = again.readLine().trimmed().toInt();
    ASSERT_GT(port, 0);
    EXPECT_LT(startMs, 1000);

    httplib::Client c("127.0.0.1", port);
    auto res = c.Get("/__control/orders");
    ASSERT_TRUE(res);
    EXPECT_NE(res->body.find("01012121212"), std::string::npos);
    // Still the same phone's order within the repeat window.
    auto refused = c.Post("/program/TOorderProgram2.php", kLogin + "&phonet=01012121212&menu=x",
                          "application/x-www-form-urlencoded");
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->body.find("이미"), std::string::npos);

    again.terminate();
    ASSERT_TRUE(again.waitForFinished(5000));
    EXPECT_EQ(again.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(again.exitCode(), 0);
}

TEST(DemoShopSeeding, SeedsAnEmptyFolderOnItsOwn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess p;
    p.start(qs(DEMO_SHOP_PATH), {qs("--seed-only"), qs("--data"), dir.path() + qs("/fresh")});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(dir.path() + qs("/fresh/shop.db")));
    EXPECT_TRUE(QFile::exists(dir.path() + qs("/fresh/logoimag/logo12_1.png")));
    EXPECT_EQ(QDir(dir.path() + qs("/fresh/menuimag")).entryList({qs("*.png")}, QDir::Files).size(), 54);
}

TEST(DemoShopCommandLine, RefusesBadArguments)
{
    for (const QStringList& args :
         {QStringList{qs("--data"), qs("/tmp/x")}, QStringList{qs("--port"), qs("0")},
          QStringList{qs("--port"), qs("x"), qs("--data"), qs("/tmp/x")},
          QStringList{qs("--port"), qs("0"), qs("--data"), qs("/tmp/x"), qs("--fault"), qs("/a,kind=nope")},
          QStringList{qs("--bogus")}}) {
        QProcess p;
        p.start(qs(DEMO_SHOP_PATH), args);
        ASSERT_TRUE(p.waitForFinished(5000));
        EXPECT_EQ(p.exitCode(), 2) << args.join(qs(" ")).toStdString();
        EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    }
}

}  // namespace
