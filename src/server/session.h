#pragma once
// What a login to the shop gives: where the service answers, the account and the shop. Fixed once the
// login succeeds; the application object owns it, screens get a copy, and work on another thread a
// copy of its own. The copies share the memory of answers the trace keeps, which locks itself.
#include "server/answer_memory.h"

#include <QString>
#include <memory>

namespace sumbrel {

struct Session {
    QString serviceBaseUrl;
    QString loginId;
    QString loginPassword;
    QString shopNumber;
    QString shopName;
    std::shared_ptr<endpoints::AnswerMemory> answers = std::make_shared<endpoints::AnswerMemory>();
};

}  // namespace sumbrel
