// The demo shop's account and its first-start data.
#pragma once

#include <string>

namespace demoshop {

inline constexpr const char* kShopId = "demo";
inline constexpr const char* kShopPassword = "demo1234";
inline constexpr int kShopNumber = 12;
inline constexpr const char* kShopName = "오르빅 커피 본점";

std::string databasePath(const std::string& dataDir);
std::string menuPicturePath(const std::string& dataDir, int num);
std::string logoPath(const std::string& dataDir, int shopNumber);

// A generated menu of this many items in this many categories in place of
// the fixed one (0: the fixed menu).
struct SeedSize {
    int items = 0;
    int categories = 0;
};

// Creates the database and pictures in dataDir unless the database is
// already there. The database appears only when complete, so a start that
// was cut short seeds again next time.
bool ensureSeeded(const std::string& dataDir, bool* seeded, std::string* error, const SeedSize& size = {});

}  // namespace demoshop
