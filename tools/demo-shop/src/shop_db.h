// The shop's data in SQLite: categories, menu items and stored orders.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace demoshop {

// Tags of one catalogue record, in the order they are written. "num" comes
// before "SOregdate1num" and "SOregdate2num": the terminal's field cutter
// takes the first "num[" of a record.
const std::vector<std::string>& menuTags();

struct Category {
    int num = 0;
    std::string name;
    std::string discount = "0";
    std::string saving = "0";
    std::string yn = "Y";
    std::string foldYN = "N";
    int sort = 0;
};

struct MenuItem {
    int num = 0;
    int categoryNum = 0;
    std::string categoryName;  // filled when read
    int sort = 0;
    // Every tag of menuTags() except num and category.
    std::map<std::string, std::string> tags;
    const std::string& tag(const std::string& name) const;
};

struct Order {
    int64_t id = 0;
    std::string phone, where, pay, taxi, memo;
    std::string menuRaw;  // the form-decoded value, still escaped
    std::string menu;  // the order text as the customer composed it
    std::string created;  // local time "YYYY-MM-DD HH:MM:SS"
    int64_t createdMs = 0;
};

class ShopDb {
public:
    ~ShopDb();
    static std::unique_ptr<ShopDb> open(const std::string& path, std::string* error);

    bool createSchema(std::string* error);
    bool begin();
    bool commit();
    bool insertCategory(const Category& c);
    bool insertItem(const MenuItem& item);

    std::vector<Category> categories();
    // Ordered by category, then by the item's place in it.
    std::vector<MenuItem> items();

    int64_t addOrder(Order& order);
    std::vector<Order> orders();
    int ordersSince(int64_t sinceMs);
    bool phoneOrderedSince(const std::string& phone, int64_t sinceMs);
    void clearOrders();

private:
    explicit ShopDb(sqlite3* db)
        : db_(db)
    {
    }
    bool exec(const char* sql, std::string* error = nullptr);

    std::mutex mutex_;
    sqlite3* db_;
};

int64_t nowMs();
std::string localTimeText(int64_t ms);

}  // namespace demoshop
