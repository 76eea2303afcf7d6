// Reports from many threads at once: each goes out whole, and every request
// that expects an answer gets its own answer.
#include "Communicatie.h"
#include "StandInZolvo.h"
#include "Switching.h"

#include <atomic>
#include <thread>

namespace {

using DeviceConcurrency = StandInZolvoTest;

TEST_F(DeviceConcurrency, SwitchesAndExchangesNeverInterleave)
{
    connectLink();
    ASSERT_TRUE(ZolvoConnected);
    const std::array<std::uint8_t, 4> code = device.deviceCode();
    device.clearTrace();

    constexpr int switchThreads = 4, switchesEach = 150, readerThreads = 2, readsEach = 60;
    std::atomic<int> wrongAnswers {0};
    std::vector<std::thread> threads;
    for (int t = 0; t < switchThreads; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < switchesEach; ++i)
                SwitchAppliance(t, SwitchValue::dim(1 + i % 16));
        });
    for (int t = 0; t < readerThreads; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < readsEach; ++i) {
                Report answer {};
                if (!requestFromDev(makeCommand(Cmd::ReadDeviceCode), answer) ||
                    !std::equal(code.begin(), code.end(), answer.begin() + 1))
                    ++wrongAnswers;
            }
        });
    for (auto& thread : threads)
        thread.join();

    EXPECT_EQ(wrongAnswers, 0);
    const std::vector<std::string> trace = device.trace();
    int switches = 0, reads = 0;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        ASSERT_EQ(trace[i].size(), 132u) << "a whole report on every line";
        const std::optional<Report> report = reportFromHex(trace[i].substr(2));
        ASSERT_TRUE(report);
        if (trace[i][0] == '<') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(reportFromHex(trace[i - 1].substr(2)).value()[1], 'd') << "an answer follows its request";
            continue;
        }
        if ((*report)[1] == 'Z') {
            ++switches;
            EXPECT_EQ((*report)[4], 0x05);
            EXPECT_EQ((*report)[5], 0) << "undefined bytes are 0";
        } else if ((*report)[1] == 'd') {
            ++reads;
            ASSERT_LT(i + 1, trace.size());
            EXPECT_EQ(trace[i + 1][0], '<') << "nothing comes between a request and its answer";
        }
    }
    EXPECT_EQ(switches, switchThreads * switchesEach);
    EXPECT_EQ(reads, readerThreads * readsEach);
}

} // namespace
