// The threads sharing the zones' work: every zone is handed out exactly once per piece of work, in
// runs of consecutive zones, however many threads take part and however often work is handed out.
#include "engine/core/zone_workers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

struct Tally {
    std::vector<std::atomic<int>> visits;
    std::atomic<int> calls{0};
    std::atomic<int> badThread{0};
    int threads = 1;
    explicit Tally(int zones) : visits(static_cast<std::size_t>(zones) + 1) {}
    void operator()(int thread, int first, int last) {
        if (thread < 0 || thread >= threads) badThread.fetch_add(1);
        for (int z = first; z <= last; ++z) visits[static_cast<std::size_t>(z)].fetch_add(1);
        calls.fetch_add(1);
    }
};

TEST(ZoneWorkers, EveryZoneOnceForEachPieceOfWork) {
    struct Case {
        std::vector<long> weights;
        int threads;
    };
    const std::vector<Case> cases = {
        {std::vector<long>(50, 1), 4},
        {{100, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 3}, // one zone carries most of the work
        {{0, 0, 0, 5, 0, 0}, 8},                     // more threads than useful runs
        {{7}, 2},
        {{}, 4},
        {std::vector<long>(150, 3), 1},
    };
    for (const Case& c : cases) {
        const int zones = static_cast<int>(c.weights.size());
        engine::ZoneWorkers workers;
        workers.start(c.weights, c.threads);
        EXPECT_GE(workers.threads(), 1);
        EXPECT_LE(workers.threads(), std::max(1, std::min(c.threads, zones)));
        Tally tally(zones);
        tally.threads = workers.threads();
        constexpr int kPieces = 2000;
        for (int piece = 0; piece < kPieces; ++piece) workers.run(tally);
        for (int z = 1; z <= zones; ++z)
            ASSERT_EQ(tally.visits[static_cast<std::size_t>(z)].load(), kPieces)
                << zones << " zones, " << c.threads << " threads: zone " << z;
        EXPECT_EQ(tally.visits[0].load(), 0);
        EXPECT_EQ(tally.badThread.load(), 0);
    }
}

// A piece of work sees what the loop's thread wrote before it, and the loop's thread sees what every
// run wrote when run returns.
TEST(ZoneWorkers, RunsSeeTheStepBeforeAndTheLoopSeesTheirResults) {
    constexpr int kZones = 40;
    engine::ZoneWorkers workers;
    workers.start(std::vector<long>(kZones, 1), 4);
    std::vector<long> value(kZones + 1, 0);
    long input = 0;
    auto job = [&](int, int first, int last) {
        for (int z = first; z <= last; ++z) value[static_cast<std::size_t>(z)] += input * z;
    };
    long expected = 0;
    for (int step = 1; step <= 3000; ++step) {
        input = step;
        expected += step;
        workers.run(job);
        ASSERT_EQ(value[kZones], expected * kZones) << "step " << step;
        ASSERT_EQ(value[1], expected) << "step " << step;
    }
}

// Work handed out with post runs beside the caller's own: it sees what the caller wrote before
// posting, the caller sees its results after wait, and a run or a new post waits for it first.  Without
// threads besides the caller's, post does the work before it returns.
TEST(ZoneWorkers, PostedWorkRunsBesideTheCallersAndIsDoneAfterWait) {
    constexpr int kZones = 30;
    for (int threads : {1, 2, 4}) {
        SCOPED_TRACE(threads);
        engine::ZoneWorkers workers;
        workers.start(std::vector<long>(kZones, 1), threads);
        std::vector<long> value(kZones + 1, 0);
        long expected = 0; // value[0] is the input the posted work adds to every zone
        engine::ZoneWorkers::Call add = [](void* context, int, int first, int last) {
            auto* v = static_cast<std::vector<long>*>(context);
            const long input = (*v)[0];
            for (int z = first; z <= last; ++z) (*v)[static_cast<std::size_t>(z)] += input;
        };
        Tally tally(kZones);
        tally.threads = workers.threads();
        for (int step = 1; step <= 2000; ++step) {
            workers.wait();
            ASSERT_EQ(value[kZones], expected) << "step " << step;
            ASSERT_EQ(value[1], expected) << "step " << step;
            value[0] = step;
            expected += step;
            workers.post(add, &value);
            if (threads == 1) {
                ASSERT_EQ(value[kZones], expected);
            }
            if (step % 100 == 0) {
                workers.run(tally); // waits for the posted work first
                ASSERT_EQ(value[1], expected);
            }
        }
        workers.wait();
        for (int z = 1; z <= kZones; ++z) EXPECT_EQ(value[static_cast<std::size_t>(z)], expected);
        for (int z = 1; z <= kZones; ++z) EXPECT_EQ(tally.visits[static_cast<std::size_t>(z)].load(), 20);
        // Work still posted when the threads stop is finished first.
        workers.post(add, &value);
        workers.start(std::vector<long>(kZones, 1), threads);
        EXPECT_EQ(value[kZones], expected + 2000);
    }
}

// A house started again (the loop is set up anew) gets new runs; stopping threads that are asleep
// returns.
TEST(ZoneWorkers, StartsAgainWithOtherZones) {
    engine::ZoneWorkers workers;
    workers.start(std::vector<long>(10, 1), 3);
    Tally first(10);
    first.threads = workers.threads();
    workers.run(first);
    workers.start(std::vector<long>(20, 2), 2);
    Tally second(20);
    second.threads = workers.threads();
    workers.run(second);
    for (int z = 1; z <= 20; ++z) EXPECT_EQ(second.visits[static_cast<std::size_t>(z)].load(), 1);
    EXPECT_EQ(second.badThread.load(), 0);
}

} // namespace
