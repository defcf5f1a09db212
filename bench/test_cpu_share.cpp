// The share as read from the command line and as written to the kernel's files.
#include "cpu_share.h"

#include <gtest/gtest.h>

namespace {

TEST(CpuShare, ReadsTheShareAndWritesItsQuota)
{
    struct Case {
        const char* text;
        std::optional<double> share;
        const char* cpuMax;  // v2
        const char* cfsQuota;  // v1, of a 10 ms period
    };
    const Case cases[] = {
        {"0.25", 0.25, "2500 10000", "2500"},  {"1", 1.0, "10000 10000", "10000"},
        {"0.1", 0.1, "1000 10000", "1000"},    {"1.5", 1.5, "15000 10000", "15000"},
        {"0.3333", 0.3333, "3333 10000", "3333"}, {"0.05", std::nullopt, "", ""},
        {"0", std::nullopt, "", ""},           {"-1", std::nullopt, "", ""},
        {"0.25x", std::nullopt, "", ""},       {"", std::nullopt, "", ""},
        {"nan", std::nullopt, "", ""},         {"65", std::nullopt, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> share = bench::ParseCpuShare(c.text);
        ASSERT_EQ(share, c.share);
        if (!share)
            continue;
        EXPECT_EQ(bench::CpuMaxText(*share), c.cpuMax);
        EXPECT_EQ(bench::CfsQuotaText(*share), c.cfsQuota);
    }
    EXPECT_EQ(bench::ParseCpuShare(nullptr), std::nullopt);
}

}  // namespace
