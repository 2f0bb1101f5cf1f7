#include "engine/core/zone_workers.h"

#include <sched.h>

#include <algorithm>
#include <chrono>

namespace engine {
namespace {

// How long a thread keeps polling for the next piece of work before it sleeps: longer than the
// loop's own work between two pieces in a large house, short enough not to hold a core that other
// programs need.
constexpr auto kPollFor = std::chrono::microseconds(200);
constexpr int kRunsPerThread = 4;

inline void pause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

// Waits until `value` is no longer `seen` and returns it: polls first, then sleeps.
template <class T> T waitChange(const std::atomic<T>& value, T seen) {
    const auto until = std::chrono::steady_clock::now() + kPollFor;
    for (int i = 1;; ++i) {
        const T now = value.load(std::memory_order_acquire);
        if (now != seen) return now;
        pause();
        if (i % 64 == 0 && std::chrono::steady_clock::now() > until) break;
    }
    for (;;) {
        value.wait(seen, std::memory_order_acquire);
        const T now = value.load(std::memory_order_acquire);
        if (now != seen) return now;
    }
}

} // namespace

ZoneWorkers::~ZoneWorkers() {
    stop();
}

int ZoneWorkers::usableCores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void ZoneWorkers::start(const std::vector<long>& weights, int threads) {
    stop();
    const int zones = static_cast<int>(weights.size());
    threads = std::clamp(threads, 1, std::max(zones, 1));
    const int runs = threads == 1 ? 1 : std::min(zones, kRunsPerThread * threads);
    long total = 0;
    for (long w : weights) total += w;
    // Run r ends at the first zone whose running weight reaches (r + 1) / runs of the total, leaving
    // a zone for every later run.
    bounds_.assign(1, 0);
    long running = 0;
    int z = 0;
    for (int r = 0; r < runs; ++r) {
        const long target = total * (r + 1) / runs;
        const int lastAllowed = zones - (runs - r - 1);
        if (r == runs - 1) {
            z = zones;
        } else {
            do running += weights[static_cast<std::size_t>(z++)];
            while (z < lastAllowed && running < target);
        }
        bounds_.push_back(z);
    }
    runsPerThread_ = runs / threads;
    taken_ = std::make_unique<std::atomic<std::uint32_t>[]>(static_cast<std::size_t>(runs));
    for (int r = 0; r < runs; ++r) taken_[static_cast<std::size_t>(r)].store(generation_.load());
    stopping_.store(false);
    const std::uint32_t seen = generation_.load();
    for (int t = 1; t < threads; ++t) workers_.emplace_back([this, t, seen] { serve(t, seen); });
}

void ZoneWorkers::take(std::uint32_t generation, int thread) {
    const int runs = static_cast<int>(bounds_.size()) - 1;
    const int own = thread * runsPerThread_;
    for (int i = 0; i < runs; ++i) {
        const int r = (own + i) % runs;
        std::atomic<std::uint32_t>& taken = taken_[static_cast<std::size_t>(r)];
        // Every run was taken by the piece before; a thread still looking at that one takes nothing.
        std::uint32_t before = generation - 1;
        if (taken.load(std::memory_order_relaxed) != before ||
            !taken.compare_exchange_strong(before, generation, std::memory_order_acq_rel))
            continue;
        call_(job_, thread, bounds_[static_cast<std::size_t>(r)] + 1,
              bounds_[static_cast<std::size_t>(r) + 1]);
        // The thread that finishes the last run wakes the loop's thread if it went to sleep.
        if (done_.fetch_add(1, std::memory_order_acq_rel) + 1 == runs) done_.notify_one();
    }
}

void ZoneWorkers::hand(Call call, void* job) {
    const std::uint32_t generation = generation_.load(std::memory_order_relaxed) + 1;
    call_ = call;
    job_ = job;
    done_.store(0, std::memory_order_relaxed);
    generation_.store(generation, std::memory_order_release);
    generation_.notify_all();
}

void ZoneWorkers::waitDone() {
    const int runs = static_cast<int>(bounds_.size()) - 1;
    for (int finished = done_.load(std::memory_order_acquire); finished != runs;)
        finished = waitChange(done_, finished);
}

void ZoneWorkers::dispatch(Call call, void* job) {
    hand(call, job);
    take(generation_.load(std::memory_order_relaxed), 0);
    waitDone();
}

void ZoneWorkers::post(Call call, void* context) {
    wait();
    if (workers_.empty()) {
        for (std::size_t r = 0; r + 1 < bounds_.size(); ++r) call(context, 0, bounds_[r] + 1, bounds_[r + 1]);
        return;
    }
    hand(call, context);
    posted_ = true;
}

void ZoneWorkers::wait() {
    if (!posted_) return;
    // The caller takes whatever runs the threads have not started yet.
    take(generation_.load(std::memory_order_relaxed), 0);
    waitDone();
    posted_ = false;
}

void ZoneWorkers::serve(int thread, std::uint32_t seen) {
    for (;;) {
        seen = waitChange(generation_, seen);
        if (stopping_.load(std::memory_order_acquire)) return;
        take(seen, thread);
    }
}

void ZoneWorkers::stop() {
    wait();
    if (!workers_.empty()) {
        stopping_.store(true, std::memory_order_release);
        generation_.fetch_add(1, std::memory_order_acq_rel);
        generation_.notify_all();
        for (std::thread& t : workers_) t.join();
        workers_.clear();
    }
}

} // namespace engine
