#include "shop_db.h"

#include "catalogue/menu_tags.h"

#include <chrono>
#include <ctime>

namespace demoshop {

const std::vector<std::string>& menuTags()
{
    static const std::vector<std::string> tags = [] {
        std::vector<std::string> t;
        for (const auto& tag : sumbrel::kMenuTagList)
            t.emplace_back(tag.name);
        return t;
    }();
    return tags;
}

// Tags kept as their own columns: all but num (the key) and category
// (taken from the category table).
static std::vector<std::string> storedTags()
{
    std::vector<std::string> out;
    for (const auto& t : menuTags())
        if (t != "num" && t != "category")
            out.push_back(t);
    return out;
}

const std::string& MenuItem::tag(const std::string& name) const
{
    static const std::string empty;
    auto it = tags.find(name);
    return it == tags.end() ? empty : it->second;
}

int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string localTimeText(int64_t ms)
{
    std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

namespace {
// Owns a prepared statement for one call.
struct Stmt {
    sqlite3_stmt* s = nullptr;
    Stmt(sqlite3* db, const std::string& sql) { sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr); }
    ~Stmt() { sqlite3_finalize(s); }
    explicit operator bool() const { return s != nullptr; }
    void bind(int i, const std::string& v)
    {
        sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    void bind(int i, int64_t v) { sqlite3_bind_int64(s, i, v); }
    std::string text(int col)
    {
        auto p = reinterpret_cast<const char*>(sqlite3_column_text(s, col));
        return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(s, col))) : std::string();
    }
    int64_t int64(int col) { return sqlite3_column_int64(s, col); }
    bool step() { return sqlite3_step(s) == SQLITE_ROW; }
    bool done() { return sqlite3_step(s) == SQLITE_DONE; }
};
}  // namespace

ShopDb::~ShopDb()
{
    sqlite3_close(db_);
}

std::unique_ptr<ShopDb> ShopDb::open(const std::string& path, std::string* error)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        if (error)
            *error = db ? sqlite3_errmsg(db) : "cannot open database";
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 2000);
    std::unique_ptr<ShopDb> shop(new ShopDb(db));
    // A demo service: losing the last order on a power cut is acceptable,
    // a slow test is not.
    shop->exec("PRAGMA journal_mode=WAL");
    shop->exec("PRAGMA synchronous=OFF");
    return shop;
}

bool ShopDb::exec(const char* sql, std::string* error)
{
    char* msg = nullptr;
    int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &msg);
    if (rc != SQLITE_OK && error)
        *error = msg ? msg : "sqlite error";
    sqlite3_free(msg);
    return rc == SQLITE_OK;
}

bool ShopDb::createSchema(std::string* error)
{
    std::lock_guard lock(mutex_);
    std::string items = "CREATE TABLE IF NOT EXISTS items (num INTEGER PRIMARY KEY, category_num INTEGER NOT NULL, "
                        "sort INTEGER NOT NULL";
    for (const auto& t : storedTags())
        items += ", \"" + t + "\" TEXT NOT NULL DEFAULT ''";
    items += ")";
    return exec("CREATE TABLE IF NOT EXISTS categories (num INTEGER PRIMARY KEY, name TEXT NOT NULL, discount TEXT, "
                "saving TEXT, yn TEXT, foldyn TEXT, sort INTEGER NOT NULL)",
                error)
        && exec(items.c_str(), error)
        && exec("CREATE TABLE IF NOT EXISTS orders (id INTEGER PRIMARY KEY AUTOINCREMENT, phone TEXT, \"where\" TEXT, "
                "pay TEXT, taxi TEXT, memo TEXT, menu_raw TEXT, menu TEXT, created TEXT, created_ms INTEGER)",
                error)
        && exec("CREATE INDEX IF NOT EXISTS orders_phone ON orders(phone, created_ms)", error);
}

bool ShopDb::begin()
{
    std::lock_guard lock(mutex_);
    return exec("BEGIN");
}

bool ShopDb::commit()
{
    std::lock_guard lock(mutex_);
    return exec("COMMIT");
}

bool ShopDb::insertCategory(const Category& c)
{
    std::lock_guard lock(mutex_);
    Stmt st(db_, "INSERT INTO categories (num, name, discount, saving, yn, foldyn, sort) VALUES (?,?,?,?,?,?,?)");
    if (!st)
        return false;
    st.bind(1, int64_t{c.num});
    st.bind(2, c.name);
    st.bind(3, c.discount);
    st.bind(4, c.saving);
    st.bind(5, c.yn);
    st.bind(6, c.foldYN);
    st.bind(7, int64_t{c.sort});
    return st.done();
}

bool ShopDb::insertItem(const MenuItem& item)
{
    std::lock_guard lock(mutex_);
    auto tags = storedTags();
    std::string sql = "INSERT INTO items (num, category_num, sort";
    for (const auto& t : tags)
        sql += ", \"" + t + "\"";
    sql += ") VALUES (?,?,?";
    for (size_t i = 0; i < tags.size(); ++i)
        sql += ",?";
    sql += ")";
    Stmt st(db_, sql);
    if (!st)
        return false;
    st.bind(1, int64_t{item.num});
    st.bind(2, int64_t{item.categoryNum});
    st.bind(3, int64_t{item.sort});
    for (size_t i = 0; i < tags.size(); ++i)
        st.bind(static_cast<int>(i) + 4, item.tag(tags[i]));
    return st.done();
}

std::vector<Category> ShopDb::categories()
{
    std::lock_guard lock(mutex_);
    std::vector<Category> out;
    Stmt st(db_, "SELECT num, name, discount, saving, yn, foldyn, sort FROM categories ORDER BY sort, num");
    while (st && st.step()) {
        Category c;
        c.num = static_cast<int>(st.int64(0));
        c.name = st.text(1);
        c.discount = st.text(2);
        c.saving = st.text(3);
        c.yn = st.text(4);
        c.foldYN = st.text(5);
        c.sort = static_cast<int>(st.int64(6));
        out.push_back(std::move(c));
    }
    return out;
}

std::vector<MenuItem> ShopDb::items()
{
    std::lock_guard lock(mutex_);
    auto tags = storedTags();
    std::string sql = "SELECT i.num, i.category_num, i.sort, c.name";
    for (const auto& t : tags)
        sql += ", i.\"" + t + "\"";
    sql += " FROM items i JOIN categories c ON c.num = i.category_num ORDER BY c.sort, c.num, i.sort, i.num";
    std::vector<MenuItem> out;
    Stmt st(db_, sql);
    while (st && st.step()) {
        MenuItem m;
        m.num = static_cast<int>(st.int64(0));
        m.categoryNum = static_cast<int>(st.int64(1));
        m.sort = static_cast<int>(st.int64(2));
        m.categoryName = st.text(3);
        for (size_t i = 0; i < tags.size(); ++i)
            m.tags[tags[i]] = st.text(static_cast<int>(i) + 4);
        out.push_back(std::move(m));
    }
    return out;
}

int64_t ShopDb::addOrder(Order& o)
{
    std::lock_guard lock(mutex_);
    Stmt st(db_,
            "INSERT INTO orders (phone, \"where\", pay, taxi, memo, menu_raw, menu, created, created_ms) VALUES "
            "(?,?,?,?,?,?,?,?,?)");
    if (!st)
        return 0;
    st.bind(1, o.phone);
    st.bind(2, o.where);
    st.bind(3, o.pay);
    st.bind(4, o.taxi);
    st.bind(5, o.memo);
    st.bind(6, o.menuRaw);
    st.bind(7, o.menu);
    st.bind(8, o.created);
    st.bind(9, o.createdMs);
    if (!st.done())
        return 0;
    o.id = sqlite3_last_insert_rowid(db_);
    return o.id;
}

std::vector<Order> ShopDb::orders()
{
    std::lock_guard lock(mutex_);
    std::vector<Order> out;
    Stmt st(
        db_,
        "SELECT id, phone, \"where\", pay, taxi, memo, menu_raw, menu, created, created_ms FROM orders ORDER BY id");
    while (st && st.step()) {
        Order o;
        o.id = st.int64(0);
        o.phone = st.text(1);
        o.where = st.text(2);
        o.pay = st.text(3);
        o.taxi = st.text(4);
        o.memo = st.text(5);
        o.menuRaw = st.text(6);
        o.menu = st.text(7);
        o.created = st.text(8);
        o.createdMs = st.int64(9);
        out.push_back(std::move(o));
    }
    return out;
}

int ShopDb::ordersSince(int64_t sinceMs)
{
    std::lock_guard lock(mutex_);
    Stmt st(db_, "SELECT COUNT(*) FROM orders WHERE created_ms >= ?");
    if (!st)
        return 0;
    st.bind(1, sinceMs);
    return st.step() ? static_cast<int>(st.int64(0)) : 0;
}

bool ShopDb::phoneOrderedSince(const std::string& phone, int64_t sinceMs)
{
    std::lock_guard lock(mutex_);
    Stmt st(db_, "SELECT 1 FROM orders WHERE phone = ? AND created_ms >= ? LIMIT 1");
    if (!st)
        return false;
    st.bind(1, phone);
    st.bind(2, sinceMs);
    return st.step();
}

void ShopDb::clearOrders()
{
    std::lock_guard lock(mutex_);
    exec("DELETE FROM orders");
}

}  // namespace demoshop
