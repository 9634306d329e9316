#include "reducer/ReductionRun.h"

#include <algorithm>
#include <exception>
#include <thread>

#include "reducer/CoverHeuristics.h"
#include "reducer/ExactCover.h"
#include "reducer/LowerBounds.h"
#include "reducer/RowWeightingSearch.h"

namespace reducer {

ReductionRun::ReductionRun(const Survivors& survivors, Play play, const Options& options)
    : m_survivors(survivors), m_play(play), m_options(options), m_model(survivors, play) {}

Reduction ReductionRun::run() {
    Reduction reduction;
    reduction.play = m_play;
    const auto columns = m_model.undominatedColumns();
    m_bound = std::max(countingBound(m_model), fullSetBound(m_survivors, m_play));
    auto cover = greedyCover(m_model, columns);
    reduction.secondsToFirstCover = elapsed();
    report(static_cast<int>(cover.size()), m_bound);
    if (isOpen(cover.size())) {
        improveCover(m_model, columns, cover, [this] { return shouldStop(); });
        report(static_cast<int>(cover.size()), m_bound);
    }
    if (isOpen(cover.size()) && !shouldStop()) searchBoth(columns, cover);
    if (!isOpen(cover.size())) report(static_cast<int>(cover.size()), m_bound);
    reduction.lowerBound = m_bound;
    reduction.wasStopped = isOpen(cover.size()) && m_options.stop.stop_requested();
    reduction.secondsToProof = m_secondsToProof;
    fill(reduction, cover);
    return reduction;
}

double ReductionRun::elapsed() const {
    return std::chrono::duration<double>(Clock::now() - m_start).count();
}

bool ReductionRun::shouldStop() const {
    return m_options.stop.stop_requested() || elapsed() >= m_options.timeLimitSeconds;
}

void ReductionRun::searchBoth(const std::vector<int>& columns, std::vector<int>& cover) {
    m_localBest = static_cast<int>(cover.size());
    RowWeightingSearch local(m_model, columns, cover);
    // A failure on the helper thread is thrown again on this one, for the
    // caller to catch, instead of ending the program.
    std::exception_ptr localFailure;
    std::jthread localThread([this, &local, &localFailure](std::stop_token done) {
        try {
            local.run(
                m_bound, [this, &done] { return done.stop_requested() || shouldStop(); },
                [this](int best) {
                    m_localBest = best;
                    report(best, m_bound);
                });
        } catch (...) {
            localFailure = std::current_exception();
            m_localBest = 0;  // ends the exact search too
        }
    });
    auto exact = searchExactly(columns, cover);
    localThread.request_stop();
    localThread.join();
    if (localFailure) std::rethrow_exception(localFailure);
    // The bound of the root relaxation told in progress may beat the final one.
    m_bound = std::max({m_bound, exact.bound, m_bestBound});
    const auto localBest = local.best();
    cover = localBest.size() < exact.cover.size() ? localBest : std::move(exact.cover);
}

ExactOutcome ReductionRun::searchExactly(const std::vector<int>& columns,
                                         const std::vector<int>& cover) {
    ExactSearch search;
    search.secondsLeft = std::max(0.001, m_options.timeLimitSeconds - elapsed());
    search.knownBound = m_bound;
    search.shouldStop = [this] { return shouldStop() || m_localBest <= m_bound; };
    search.onProgress = [this](int best, int bound) { report(best, std::max(m_bound, bound)); };
    return solveExactly(m_model, columns, cover, search);
}

// Reports a smaller cover or a higher bound at once, anything else at most
// five times a second; never two reports at the same time.
void ReductionRun::report(int best, int bound) {
    const std::lock_guard lock(m_reportMutex);
    const double now = elapsed();
    if (m_reportedCount < 0 || best < m_bestCount) m_bestCount = best;
    m_bestBound = std::max(m_bestBound, bound);
    if (!m_secondsToProof && m_bestCount <= m_bestBound) m_secondsToProof = now;
    if (!m_options.onProgress || (m_bestCount == m_reportedCount && now < m_reportedAt + 0.2))
        return;
    m_reportedCount = m_bestCount;
    m_reportedAt = now;
    m_options.onProgress({now, m_bestCount, m_bestBound});
}

void ReductionRun::fill(Reduction& reduction, const std::vector<int>& cover) const {
    // Every row holds a survivor, so rows give the least and the most.
    std::vector<int> wins(static_cast<std::size_t>(m_model.rowCount()));
    for (int column : cover) {
        reduction.tickets.push_back(m_model.ticket(column));
        for (int row : m_model.rowsOf(column)) ++wins[static_cast<std::size_t>(row)];
    }
    const auto [least, most] = std::minmax_element(wins.begin(), wins.end());
    reduction.leastPrize = *least * playInfo(m_play).prize;
    reduction.mostPrize = *most * playInfo(m_play).prize;
}

}  // namespace reducer
