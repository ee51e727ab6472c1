// The host's own services: memory accounting, the random service, fault
// injection and suite acquisition through SP Basic.
#include <gtest/gtest.h>

#include "ai_document.h"
#include "ai_memory.h"
#include "host/core/host.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kh = kestrel::host;

namespace {

template <class Suite>
const Suite* acquire(const char* name, int version) {
    const void* table = nullptr;
    EXPECT_EQ(kh::PluginManager::basic_suite()->acquire_suite(name, version, &table), kNoErr) << name;
    return static_cast<const Suite*>(table);
}

TEST(Memory, HandlesAndBlocksAreCountedAndChecked) {
    kh::Host host;
    auto* mem = acquire<KMdMemorySuite>(kAIMdMemorySuite, kAIMdMemorySuiteVersion);
    KMemHandle h = nullptr;
    ASSERT_EQ(mem->new_handle(16, &h), kNoErr);
    ASSERT_NE(h, nullptr);
    (*h)[15] = 7;  // one dereference reaches the data
    EXPECT_EQ(host.memory().live_handles(), 1u);
    ASSERT_EQ(mem->set_handle_size(h, 64), kNoErr);
    EXPECT_EQ((*h)[15], 7);
    int32_t size = 0;
    EXPECT_EQ(mem->get_handle_size(h, &size), kNoErr);
    EXPECT_EQ(size, 64);
    EXPECT_EQ(mem->dispose_handle(h), kNoErr);
    EXPECT_EQ(host.memory().live_handles(), 0u);
    // A handle disposed twice, a null one and a made-up one are refused.
    EXPECT_EQ(mem->dispose_handle(h), kBadParameterErr);
    EXPECT_EQ(mem->dispose_handle(nullptr), kBadParameterErr);
    char* fake = nullptr;
    EXPECT_EQ(mem->dispose_handle(&fake), kBadParameterErr);
    EXPECT_EQ(mem->new_handle(-1, &h), kOutOfMemoryErr);
    EXPECT_EQ(mem->new_handle(8, nullptr), kBadParameterErr);

    auto* blocks = acquire<KSPBlocksSuite>(kSPBlocksSuite, kSPBlocksSuiteVersion);
    void* b = nullptr;
    ASSERT_EQ(blocks->allocate_block(24, "globals", &b), kNoErr);
    EXPECT_EQ(host.memory().live_blocks(), 1u);
    EXPECT_EQ(blocks->free_block(b), kNoErr);
    EXPECT_EQ(blocks->free_block(b), kBadParameterErr);
    EXPECT_EQ(host.memory().live_blocks(), 0u);
}

TEST(RandomService, SeededScriptedAndCounted) {
    kh::RandomService a(7), b(7), c(8);
    std::vector<float> first;
    for (int i = 0; i < 100; ++i) {
        const float r = a.next();
        EXPECT_GE(r, 0.0f);
        EXPECT_LT(r, 1.0f);
        EXPECT_EQ(r, b.next());
        first.push_back(r);
    }
    int same = 0;
    for (int i = 0; i < 100; ++i) same += c.next() == first[static_cast<std::size_t>(i)] ? 1 : 0;
    EXPECT_LT(same, 5);

    kh::RandomService s(7);
    s.script({0.5f, 0.25f});
    EXPECT_EQ(s.next(), 0.5f);
    EXPECT_EQ(s.next(), 0.25f);
    // After the script the seeded sequence continues from its start.
    EXPECT_EQ(s.next(), first[0]);
    EXPECT_EQ(s.draws(), 3);
    EXPECT_THROW(s.script({1.0f}), std::invalid_argument);
    EXPECT_THROW(s.script({-0.1f}), std::invalid_argument);
}

TEST(FaultInjection, NthCallFailsOnceOrFromThenOn) {
    kh::Host host;
    auto* rnd = acquire<KRandomSuite>(kAIRandomSuite, kAIRandomSuiteVersion);
    KReal r = 0;
    host.faults().fail_call("AI Random Suite/float_rnd", 2, kOutOfMemoryErr);
    EXPECT_EQ(rnd->float_rnd(&r), kNoErr);
    EXPECT_EQ(rnd->float_rnd(&r), kOutOfMemoryErr);
    EXPECT_EQ(rnd->float_rnd(&r), kNoErr);
    EXPECT_EQ(host.faults().calls("AI Random Suite/float_rnd"), 3);
    // A failed call draws nothing.
    EXPECT_EQ(host.random().draws(), 2);

    host.faults().fail_call("AI Random Suite/float_rnd", 1, 271, /*repeat=*/true);
    EXPECT_EQ(rnd->float_rnd(&r), 271);
    EXPECT_EQ(rnd->float_rnd(&r), 271);
    host.faults().clear_faults();
    EXPECT_EQ(rnd->float_rnd(&r), kNoErr);
    EXPECT_EQ(host.faults().trace().at("AI Random Suite/float_rnd"), 6);
}

TEST(SuiteAcquisition, RefusedUnknownAndBalanced) {
    kh::Host host;
    const KSPBasicSuite* basic = kh::PluginManager::basic_suite();
    const void* table = reinterpret_cast<const void*>(1);
    EXPECT_EQ(basic->acquire_suite("AI No Such Suite", 1, &table), kSuiteNotFoundErr);
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(basic->acquire_suite(kAIRandomSuite, 99, &table), kSuiteNotFoundErr);

    host.faults().refuse_suite(kAIUndoSuite);
    EXPECT_EQ(basic->acquire_suite(kAIUndoSuite, kAIUndoSuiteVersion, &table), kSuiteNotFoundErr);
    EXPECT_EQ(host.suites().outstanding(), 0);

    ASSERT_EQ(basic->acquire_suite(kAIRandomSuite, kAIRandomSuiteVersion, &table), kNoErr);
    const void* again = nullptr;
    ASSERT_EQ(basic->acquire_suite(kAIRandomSuite, kAIRandomSuiteVersion, &again), kNoErr);
    EXPECT_EQ(table, again);  // the same table every time
    EXPECT_EQ(host.suites().outstanding(kAIRandomSuite), 2);
    EXPECT_EQ(basic->release_suite(kAIRandomSuite, kAIRandomSuiteVersion), kNoErr);
    EXPECT_EQ(basic->release_suite(kAIRandomSuite, kAIRandomSuiteVersion), kNoErr);
    EXPECT_EQ(basic->release_suite(kAIRandomSuite, kAIRandomSuiteVersion), kSuiteNotFoundErr);
    EXPECT_EQ(host.suites().outstanding(), 0);

    EXPECT_TRUE(basic->is_equal("AI Go", "AI Go"));
    EXPECT_FALSE(basic->is_equal("AI Go", "AI Go "));
    EXPECT_FALSE(basic->is_equal(nullptr, "x"));
}

TEST(SuiteCalls, WithoutAHostAnswerAnError) {
    const KRandomSuite* rnd = nullptr;
    {
        kh::Host host;
        rnd = acquire<KRandomSuite>(kAIRandomSuite, kAIRandomSuiteVersion);
    }
    KReal r = 0;
    EXPECT_EQ(rnd->float_rnd(&r), kBadParameterErr);
}

}  // namespace
