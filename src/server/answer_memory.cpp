#include "server/answer_memory.h"

#include <QHash>

namespace sumbrel::endpoints {

Digest DigestOf(QStringView text)
{
    const size_t bytes = size_t(text.size()) * sizeof(QChar);
    return {qHashBits(text.data(), bytes, 0x9e3779b9U), qHashBits(text.data(), bytes, 0x85ebca6bU)};
}

// The last answer to each request, as a digest: a day of menu openings repeats the same 40 KB answers,
// which traced in full would fill the day's file by noon. Bounded: past kRememberedAnswers requests
// the memory starts afresh (the next answers are traced in full once more). Every order is a request
// of its own, so the table is one block of slots taken once, not an allocation per request: the
// day's memory does not follow its customers.
class AnswerMemory::Table {
public:
    // The answer last remembered for the request; nullptr when none.
    const Digest* find(const Digest& request) const
    {
        const size_t at = slotOf(request);
        return m_slots[at].used ? &m_slots[at].answer : nullptr;
    }
    void insert(const Digest& request, const Digest& answer)
    {
        size_t at = slotOf(request);
        if (!m_slots[at].used) {
            if (m_count >= kRememberedAnswers) {
                clear();
                at = slotOf(request);
            }
            ++m_count;
        }
        m_slots[at] = {request, answer, true};
    }
    void remove(const Digest& request)
    {
        size_t hole = slotOf(request);
        if (!m_slots[hole].used)
            return;
        --m_count;
        // Linear probing: the later slots of the run move back, so no lookup stops at the hole.
        for (size_t next = step(hole); m_slots[next].used; next = step(next)) {
            const size_t home = m_slots[next].request[0] & kMask;
            if (((next - home) & kMask) >= ((next - hole) & kMask)) {
                m_slots[hole] = m_slots[next];
                hole = next;
            }
        }
        m_slots[hole].used = false;
    }
    void clear()
    {
        for (Slot& slot : m_slots)
            slot.used = false;
        m_count = 0;
    }

private:
        // Twice the bound: the runs of linear probing stay short.
    static constexpr size_t kSlots = 2 * kRememberedAnswers;
    static constexpr size_t kMask = kSlots - 1;
    struct Slot {
        Digest request{};
        Digest answer{};
        bool used = false;
    };
    static size_t step(size_t at) { return (at + 1) & kMask; }
    // The request's slot, or the free one where it would go.
    size_t slotOf(const Digest& request) const
    {
        size_t at = request[0] & kMask;
        while (m_slots[at].used && m_slots[at].request != request)
            at = step(at);
        return at;
    }

    std::array<Slot, kSlots> m_slots{};
    std::ptrdiff_t m_count = 0;
};

AnswerMemory::AnswerMemory() : m_table(std::make_unique<Table>()) {}

AnswerMemory::~AnswerMemory() = default;

bool AnswerMemory::sameAsLast(const Digest& request, const std::optional<Digest>& answer)
{
    const std::lock_guard<std::mutex> lock(m_lock);
    if (!answer) {
        m_table->remove(request);
        return false;
    }
    const Digest* last = m_table->find(request);
    const bool same = last && *last == *answer;
    m_table->insert(request, *answer);
    return same;
}

}  // namespace sumbrel::endpoints
