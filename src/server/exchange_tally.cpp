#include "server/exchange_tally.h"

#include "server/endpoints.h"

#include <QUrl>

namespace sumbrel {

namespace {

std::optional<health::Failure> Kind(NetFailure failure)
{
    using health::Failure;
    switch (failure) {
    case NetFailure::None:
    case NetFailure::Cancelled:
        return std::nullopt;
    case NetFailure::Unreachable:
        return Failure::Unreachable;
    case NetFailure::NoTls:
        return Failure::NoTls;
    case NetFailure::Tls:
        return Failure::Tls;
    case NetFailure::Stalled:
        return Failure::Stalled;
    case NetFailure::Overdue:
        return Failure::Overdue;
    case NetFailure::Dropped:
        return Failure::Dropped;
    case NetFailure::TooLarge:
        return Failure::TooLarge;
    case NetFailure::Other:
        return Failure::Other;
    }
    return Failure::Other;
}

}  // namespace

health::Request RequestOfAddress(const QString& address)
{
    using health::Request;
    static const struct {
        const char16_t* path;
        Request request;
    } kPaths[] = {
        {endpoints::kLogin, Request::Login},
        {endpoints::kReceptionSettings, Request::Settings},
        {endpoints::kOrder, Request::Order},
        {endpoints::kMenuPage, Request::MenuPage},
        {endpoints::kCatalogue, Request::Catalogue},
        {endpoints::kCategories, Request::Categories},
        {endpoints::kLogoCheck, Request::Pictures},
        {endpoints::kMenuPictureCheck, Request::Pictures},
    };
    const QString path = QUrl(address).path();
    for (const auto& p : kPaths)
        if (path == QStringView(p.path))
            return p.request;
    if (path.startsWith(QStringLiteral("/menuimag/")) || path.startsWith(QStringLiteral("/logoimag/")))
        return Request::Pictures;
    return Request::Other;
}

std::optional<health::Failure> FailureOf(const PostResult& result)
{
    if (!result.answered())
        return result.failure == NetFailure::None ? std::optional(health::Failure::Other) : Kind(result.failure);
    if (result.status != 200)
        return health::Failure::Status;
    if (result.malformed)
        return health::Failure::Malformed;
    return std::nullopt;
}

std::optional<health::Failure> FailureOf(const HttpGetResult& result)
{
    if (!result.completed)
        return result.failure == NetFailure::None ? std::optional(health::Failure::Other) : Kind(result.failure);
    if (result.status != 200)
        return health::Failure::Status;
    return std::nullopt;
}

}  // namespace sumbrel
