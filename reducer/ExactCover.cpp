#include "reducer/ExactCover.h"

#include <CbcEventHandler.hpp>
#include <CbcHeuristicGreedy.hpp>
#include <CbcModel.hpp>
#include <CbcStrategy.hpp>
#include <CglZeroHalf.hpp>
#include <CoinError.hpp>
#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace reducer {

namespace {

// An objective of whole tickets: a bound of 9.02 means 10. The slack absorbs
// the solver's tolerances; values no cover reaches (the solver's "infinity"
// before it has one) say nothing.
int wholeBound(double value) {
    if (!(value >= 0 && value < 1e6)) return 0;
    return static_cast<int>(std::ceil(value - 1e-6));
}

// One constraint per distinct set of usable columns: rows told apart only by
// columns left out need the same cover.
std::vector<std::vector<int>> distinctRows(const CoverModel& model,
                                           const std::vector<int>& columns) {
    std::map<int, int> position;
    for (std::size_t i = 0; i < columns.size(); ++i) position[columns[i]] = static_cast<int>(i);
    std::vector<std::vector<int>> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        std::vector<int> positions;
        for (int column : model.columnsOf(row)) {
            if (const auto it = position.find(column); it != position.end())
                positions.push_back(it->second);
        }
        rows.push_back(std::move(positions));
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

OsiClpSolverInterface coverProblem(const CoverModel& model, const std::vector<int>& columns) {
    const auto rows = distinctRows(model, columns);
    const int width = static_cast<int>(columns.size());
    CoinPackedMatrix matrix(false, 0, 0);
    matrix.setDimensions(0, width);
    for (const auto& row : rows) {
        const std::vector<double> ones(row.size(), 1.0);
        matrix.appendRow(static_cast<int>(row.size()), row.data(), ones.data());
    }
    const std::vector<double> lower(columns.size(), 0.0), upper(columns.size(), 1.0);
    const std::vector<double> cost(columns.size(), 1.0);
    const std::vector<double> rowLower(rows.size(), 1.0), rowUpper(rows.size(), COIN_DBL_MAX);
    OsiClpSolverInterface solver;
    solver.loadProblem(matrix, lower.data(), upper.data(), cost.data(), rowLower.data(),
                       rowUpper.data());
    for (int i = 0; i < width; ++i) solver.setInteger(i);
    solver.messageHandler()->setLogLevel(0);
    solver.setHintParam(OsiDoReducePrint, true, OsiHintTry);
    return solver;
}

// Passes stop requests to the search and its progress back out.
class SearchEvents final : public CbcEventHandler {
public:
    explicit SearchEvents(const ExactSearch& search) : m_search(search) {}

    CbcAction event(CbcEvent) override {
        if (m_search.shouldStop()) {
            // The root's cut passes pay no heed to the stop action, but they
            // do check the time.
            model_->setMaximumSeconds(0);
            return stop;
        }
        if (model_->bestSolution() == nullptr) return noAction;
        const int best = wholeBound(model_->getObjValue());
        // The root relaxation's value is a bound once solved; until then it
        // may be anything, so a value that would prove the best is left to
        // the end of the search.
        const int relaxed = wholeBound(model_->getContinuousObjective());
        m_search.onProgress(best, relaxed < best ? relaxed : 0);
        return best <= m_search.knownBound ? stop : noAction;
    }
    CbcEventHandler* clone() const override { return new SearchEvents(*this); }

private:
    const ExactSearch& m_search;
};

void configure(CbcModel& cbc, const ExactSearch& search) {
    cbc.setLogLevel(0);
    cbc.messageHandler()->setLogLevel(0);
    cbc.setUseElapsedTime(true);
    cbc.setMaximumSeconds(search.secondsLeft);
    cbc.setCutoffIncrement(1 - 1e-4);
    CbcStrategyDefault strategy(1, 5, 0, 0);
    cbc.setStrategy(strategy);
    CglZeroHalf zeroHalf;
    cbc.addCutGenerator(&zeroHalf, -1, "ZeroHalf");
    CbcHeuristicGreedyCover greedy(cbc);
    cbc.addHeuristic(&greedy);
}

bool covers(const CoverModel& model, const std::vector<int>& cover) {
    std::vector<bool> isCovered(static_cast<std::size_t>(model.rowCount()));
    for (int column : cover) {
        for (int row : model.rowsOf(column)) isCovered[static_cast<std::size_t>(row)] = true;
    }
    return std::find(isCovered.begin(), isCovered.end(), false) == isCovered.end();
}

// The solver's best cover, or none; checked, so that a slip of its tolerances
// can never put a survivor without a winning ticket into the answer.
std::vector<int> chosenColumns(const CbcModel& cbc, const CoverModel& model,
                               const std::vector<int>& columns) {
    std::vector<int> cover;
    const double* values = cbc.bestSolution();
    if (values == nullptr) return cover;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (values[i] > 0.5) cover.push_back(columns[i]);
    }
    if (!covers(model, cover)) cover.clear();
    return cover;
}

}  // namespace

ExactOutcome solveExactly(const CoverModel& model, const std::vector<int>& columns,
                          const std::vector<int>& start, const ExactSearch& search) {
    CbcModel cbc(coverProblem(model, columns));
    configure(cbc, search);
    std::vector<double> startValues(columns.size(), 0.0);
    for (int column : start) {
        const auto at = std::lower_bound(columns.begin(), columns.end(), column);
        startValues[static_cast<std::size_t>(at - columns.begin())] = 1.0;
    }
    cbc.setBestSolution(startValues.data(), static_cast<int>(columns.size()),
                        static_cast<double>(start.size()), true);
    SearchEvents events(search);
    cbc.passInEventHandler(&events);
    try {
        cbc.branchAndBound();
    } catch (const CoinError& error) {
        // Not a std::exception: told as one, for the caller's message.
        throw std::runtime_error(error.methodName() + ": " + error.message());
    }

    ExactOutcome outcome;
    outcome.cover = chosenColumns(cbc, model, columns);
    if (outcome.cover.empty() || outcome.cover.size() > start.size()) outcome.cover = start;
    const int best = static_cast<int>(outcome.cover.size());
    outcome.isOptimal = cbc.isProvenOptimal();
    outcome.bound =
        outcome.isOptimal ? best : std::min(best, wholeBound(cbc.getBestPossibleObjValue()));
    return outcome;
}

}  // namespace reducer
