#pragma once

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/Captions.h"
#include "scheme/Scheme.h"

// Random schemes of either edition: each condition set with a fair chance,
// to a random share of its values, texts of random lines in the box's format.
namespace testsupport {

class RandomSchemes {
public:
    explicit RandomSchemes(unsigned seed) : m_random(seed) {}

    scheme::Scheme any5() {
        scheme::Scheme s;
        s.bigFrom = chance(0.3) ? 6 : 7;
        common(s, 5, 15, 45);
        s.killCompound = lines(6, " ");
        s.killPositional = positional();
        s.killTriples = lines(3, " ");
        s.keepTriples = lines(3, " ");
        s.killQuads = lines(4, " ");
        s.basePool = basePool();
        s.basePoolEnabled = chance(0.5);
        s.killSumTails = values(0, 9);
        s.smallest = values(1, 7);
        s.largest = values(5, 11);
        for (int v : values(1, 11)) {
            if (s.killSpacing.size() < 5) s.killSpacing.insert(v);
        }
        s.primeCounts = values(0, 5);
        s.killRuns = captions(engine::any5RunCaptions());
        s.killParity = captions(engine::parityCaptions());
        return s;
    }

    scheme::Scheme front3() {
        scheme::Scheme s;
        s.edition = scheme::Edition::Front3;
        s.bigFrom = chance(0.3) ? 6 : 7;
        common(s, 3, 6, 30);
        s.killDirect = lines(3, " ");
        s.killCompound = lines(3, "*");
        s.killPaths = captions(engine::pathCaptions());
        for (auto& place : s.killPositions) place = values(1, 11);
        s.killShapes = captions(engine::front3ShapeCaptions());
        for (const auto& [yes, no] : {std::pair{"大", "小"}, {"奇", "偶"}, {"质", "合"}}) {
            for (const auto& caption : captions(engine::patternCaptions(yes, no)))
                s.killPatterns.insert(caption);
        }
        return s;
    }

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    int number() { return std::uniform_int_distribution(1, 11)(m_random); }

    // Empty most of the time; otherwise each value with a chance of its own.
    scheme::Values values(int first, int last) {
        scheme::Values set;
        if (chance(0.6)) return set;
        const double share = std::uniform_real_distribution(0.05, 0.6)(m_random);
        for (int v = first; v <= last; ++v) {
            if (chance(share)) set.insert(v);
        }
        return set;
    }
    scheme::Captions captions(const std::vector<std::string>& all) {
        scheme::Captions set;
        for (int i : values(0, static_cast<int>(all.size()) - 1)) set.insert(all[i]);
        return set;
    }
    scheme::Pairs pairs() {
        scheme::Pairs set;
        for (int i = values(0, 3).size(); i > 0; --i) {
            const int a = number();
            const int b = number();
            if (a != b) set.insert({std::min(a, b), std::max(a, b)});
        }
        return set;
    }
    void common(scheme::Scheme& s, int pick, int lowestSum, int highestSum) {
        s.killPairs = pairs();
        s.keepPairs = pairs();
        s.killNumbers = values(1, 11);
        s.killSpans = values(pick - 1, 10);
        s.killSums = values(lowestSum, highestSum);
        s.oddCounts = values(0, pick);
        s.bigCounts = values(0, pick);
        const int groups = chance(0.5) ? 0 : std::uniform_int_distribution(1, pick)(m_random);
        for (int g = 0; g < groups; ++g) s.bankers.push_back({values(1, 11), values(0, pick)});
        while (!s.bankers.empty() && s.bankers.back() == scheme::BankerGroup{})
            s.bankers.pop_back();
    }
    // A few lines of `count` numbers (some left out or repeated, as players
    // write them), or none.
    std::optional<std::string> lines(int count, const char* separator, int most = 4) {
        if (chance(0.6)) return std::nullopt;
        std::string text;
        for (int line = std::uniform_int_distribution(1, most)(m_random); line > 0; --line) {
            for (int k = 0; k < count; ++k) {
                const int n = number();
                text +=
                    (k == 0 ? "" : separator) + std::string(n < 10 ? "0" : "") + std::to_string(n);
            }
            text += "\r\n";
        }
        return text;
    }
    // Bets written as the pool wants them: five different numbers, ascending.
    std::optional<std::string> basePool() {
        if (chance(0.6)) return std::nullopt;
        std::string text;
        for (int line = std::uniform_int_distribution(1, 60)(m_random); line > 0; --line) {
            std::vector<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
            std::shuffle(all.begin(), all.end(), m_random);
            std::sort(all.begin(), all.begin() + 5);
            for (int k = 0; k < 5; ++k)
                text += (k == 0 ? "" : " ") + std::string(all[k] < 10 ? "0" : "") +
                        std::to_string(all[k]);
            text += "\r\n";
        }
        return text;
    }
    std::optional<std::string> positional() {
        if (chance(0.7)) return std::nullopt;
        std::string text;
        for (int k = 0; k < 5; ++k) {
            const int n = number();
            text += (k == 0 ? "" : " ") +
                    (chance(0.5) ? std::string("*") : (n < 10 ? "0" : "") + std::to_string(n));
        }
        return text;
    }

    std::mt19937 m_random;
};

}  // namespace testsupport
