#pragma once
// Counts each exchange with the shop for the health metrics when it ends: what it was for (from the
// address' path, unless the thread labelled it) and, when it failed, why.
#include "server/http_client.h"
#include "startup/health_metrics.h"

#include <QString>

namespace sumbrel {

// The request an address is for, from its path alone.
health::Request RequestOfAddress(const QString& address);
// Why a call failed, or nothing when it was answered as it should be (a whole, readable 200 answer;
// a cancelled call is no failure of the shop's).
std::optional<health::Failure> FailureOf(const PostResult& result);
std::optional<health::Failure> FailureOf(const HttpGetResult& result);

// Declared beside a call's result; counts the result as it stands when the call returns.
template <typename Result>
class ExchangeTally {
public:
    ExchangeTally(const QString& address, const Result& result)
        : m_address(address)
        , m_result(result)
    {
    }
    ~ExchangeTally()
    {
        const auto label = health::RequestLabel::current();
        health::CountExchange(label ? *label : RequestOfAddress(m_address), FailureOf(m_result));
    }
    ExchangeTally(const ExchangeTally&) = delete;
    ExchangeTally& operator=(const ExchangeTally&) = delete;

private:
    const QString& m_address;
    const Result& m_result;
};

}  // namespace sumbrel
