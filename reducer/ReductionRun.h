#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <vector>

#include "reducer/CoverModel.h"
#include "reducer/ExactCover.h"
#include "reducer/Reducer.h"

namespace reducer {

// One reduction of checked input, from the first cover to the proof, a stop
// request or the time limit. After a greedy cover, local search and branch
// and cut run side by side: the first finds small covers of designs such as
// 任选六 over all 462 bets within a fraction of a second, where the second
// would take minutes, while the second proves bounds local search cannot.
class ReductionRun {
public:
    ReductionRun(const Survivors& survivors, Play play, const Options& options);

    Reduction run();

private:
    using Clock = std::chrono::steady_clock;

    bool isOpen(std::size_t count) const { return static_cast<int>(count) > m_bound; }
    double elapsed() const;
    bool shouldStop() const;
    void searchBoth(const std::vector<int>& columns, std::vector<int>& cover);
    ExactOutcome searchExactly(const std::vector<int>& columns, const std::vector<int>& cover);
    void report(int best, int bound);
    void fill(Reduction& reduction, const std::vector<int>& cover) const;

    const Survivors& m_survivors;
    Play m_play;
    const Options& m_options;
    Clock::time_point m_start = Clock::now();
    CoverModel m_model;
    int m_bound = 0;  // set before the searches start and after both end
    std::atomic<int> m_localBest{0};

    std::mutex m_reportMutex;  // guards the members below
    int m_bestCount = 0;
    int m_bestBound = 0;
    int m_reportedCount = -1;
    double m_reportedAt = 0;
    std::optional<double> m_secondsToProof;
};

}  // namespace reducer
