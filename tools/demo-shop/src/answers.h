// The texts that the shop's PHP pages answer.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shop_db.h"

namespace demoshop {

std::string loginAnswer(bool ok, int shopNumber, const std::string& shopName);
// Used by every page that checks ID and PassWord.
std::string loginFailedAnswer();

// fields in the order written; the caller keeps "count" first.
std::string settingsAnswer(const std::vector<std::pair<std::string, std::string>>& fields);

std::string orderAcceptedAnswer(int64_t orderId, int waitingTeams);
std::string orderRepeatedAnswer();
std::string orderInvalidAnswer(const std::string& why);

std::string categoryAnswer(const std::vector<Category>& categories);
std::string catalogueAnswer(const std::vector<MenuItem>& items);
// The menu page's tabs and tiles: one section per category that holds items
// (the catch-all "분류없음" is left out), in category order.
std::string menuPageAnswer(const std::vector<Category>& categories, const std::vector<MenuItem>& items);

std::string existAnswer(bool exists);

std::string statusText(int status);
std::string errorPage(int status, const std::string& detail);

}  // namespace demoshop
