// Threads that share a step's per-zone work with the time loop's own thread.  The zones are cut into
// runs of consecutive zones; each thread takes its own runs first, so that a zone's data stays in the
// cache of the core that worked on it the step before, then any run still left, so that a thread that
// the system has not scheduled holds up nobody.  Each zone's values are computed by one thread in the
// same order as in a single-threaded run, so results are the same to the bit however many threads
// there are.  The threads start once before the year and wait for work between the steps; a house
// too small to gain from them runs on the loop's thread alone.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace engine {

class ZoneWorkers {
  public:
    ZoneWorkers() = default;
    ZoneWorkers(const ZoneWorkers&) = delete;
    ZoneWorkers& operator=(const ZoneWorkers&) = delete;
    ~ZoneWorkers();

    // Cuts the zones 1..weights.size() into runs of about equal weight (a zone's share of the work),
    // a few for each of `threads` threads, and starts threads - 1 threads besides the caller's.
    void start(const std::vector<long>& weights, int threads);
    // Threads that take part, the caller's included: a job's `thread` is 0..threads() - 1.
    int threads() const { return static_cast<int>(workers_.size()) + 1; }

    // Runs job(thread, first, last) on every run of zones first..last and returns when all are
    // done.  The job must not throw.
    template <class Job> void run(Job& job) {
        wait();
        if (workers_.empty()) {
            for (std::size_t r = 0; r + 1 < bounds_.size(); ++r) job(0, bounds_[r] + 1, bounds_[r + 1]);
            return;
        }
        dispatch([](void* j, int t, int a, int b) { (*static_cast<Job*>(j))(t, a, b); }, &job);
    }

    using Call = void (*)(void*, int, int, int);
    // Hands call(context, thread, first, last) for every run of zones to the threads besides the
    // caller's and returns at once; without such threads it runs them all before returning.  The
    // context must stay valid until wait() returns.
    void post(Call call, void* context);
    // Returns when the work posted last is done (at once when none is outstanding), taking part in
    // the runs still left.
    void wait();

    // The cores this process may run on.
    static int usableCores();

  private:
    void dispatch(Call call, void* job);
    void hand(Call call, void* job);
    void waitDone();
    // Takes runs of the current piece of work, generation `generation`, until none is left.
    void take(std::uint32_t generation, int thread);
    void serve(int thread, std::uint32_t seen);
    void stop();

    std::vector<int> bounds_; // run r holds the zones bounds_[r] + 1..bounds_[r + 1]
    int runsPerThread_ = 1;   // thread t's own runs are t · runsPerThread_ onwards
    std::vector<std::thread> workers_;
    // The generation of the piece of work that took each run.
    std::unique_ptr<std::atomic<std::uint32_t>[]> taken_;
    std::atomic<std::uint32_t> generation_{0}; // raised for every piece of work; wakes the threads
    std::atomic<int> done_{0};                 // runs of the current piece finished
    std::atomic<bool> stopping_{false};
    bool posted_ = false; // work handed out by post() that wait() has not seen finish
    Call call_ = nullptr;
    void* job_ = nullptr;
};

} // namespace engine
