#pragma once
// What the trace remembers of the shop's answers: the last answer to each request, as a digest, so
// that an answer repeated is traced as one short line. The session owns one; every copy of the
// session, on any thread, shares it.
#include <QStringView>
#include <array>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>

namespace sumbrel::endpoints {

// Two seeded hashes of the text as it stands: a menu answer is 1.6 MB of UTF-16 at every opening,
// and a cryptographic digest of its UTF-8 cost a millisecond and a half of each.
using Digest = std::array<size_t, 2>;
Digest DigestOf(QStringView text);

class AnswerMemory {
public:
    AnswerMemory();
    ~AnswerMemory();
    AnswerMemory(const AnswerMemory&) = delete;
    AnswerMemory& operator=(const AnswerMemory&) = delete;

    // Whether the answer is the one the same request had last; remembers it either way. No answer (a
    // failed exchange) forgets the request, so the next answer is traced in full.
    bool sameAsLast(const Digest& request, const std::optional<Digest>& answer);

    // Past this many requests the memory starts afresh: the next answers are traced in full once more.
    static constexpr std::ptrdiff_t kRememberedAnswers = 1024;

private:
    class Table;
    std::mutex m_lock;
    std::unique_ptr<Table> m_table;
};

}  // namespace sumbrel::endpoints
