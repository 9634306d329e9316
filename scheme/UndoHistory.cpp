#include "scheme/UndoHistory.h"

#include <set>
#include <utility>

namespace scheme {
namespace {

// The boxes whose texts may be megabytes: kept once for the states that hold
// the same text.
constexpr std::array<std::optional<std::string> Scheme::*, 7> kTexts = {
    &Scheme::killCompound, &Scheme::killPositional, &Scheme::killTriples, &Scheme::keepTriples,
    &Scheme::killQuads,    &Scheme::basePool,       &Scheme::killDirect};

}  // namespace

UndoHistory::UndoHistory(Window window) : m_window(std::move(window)) {}

UndoHistory::State UndoHistory::stateOf(Scheme scheme, const State* before) const {
    State state;
    for (std::size_t k = 0; k < kTexts.size(); ++k) {
        auto& text = scheme.*kTexts[k];
        if (before && *before->texts[k] == text) {
            state.texts.push_back(before->texts[k]);
        } else {
            state.texts.push_back(std::make_shared<const std::optional<std::string>>(text));
        }
        text.reset();
    }
    state.scheme = std::move(scheme);
    return state;
}

UndoHistory::Settings UndoHistory::setSettings() const {
    Settings set;
    for (auto& setting : m_window.settings()) {
        if (!setting.second.empty()) set.push_back(std::move(setting));
    }
    return set;
}

Scheme UndoHistory::schemeOf(const State& state) const {
    Scheme scheme = state.scheme;
    for (std::size_t k = 0; k < kTexts.size(); ++k) scheme.*kTexts[k] = *state.texts[k];
    return scheme;
}

void UndoHistory::start() {
    m_states.clear();
    m_states.push_back(stateOf(m_window.capture(), nullptr));
    m_at = 0;
    m_key = m_window.key();
    m_settings = setSettings();
    m_nextName.clear();
    if (m_onChange) m_onChange();
}

std::string UndoHistory::nameOf(const State& before, const Settings& beforeSettings,
                                const State& after, const Settings& afterSettings) {
    const auto settingIn = [](const Settings& settings, const std::string& name) {
        for (const auto& [condition, setting] : settings) {
            if (condition == name) return setting;
        }
        return std::string();
    };
    std::vector<std::string> changed;
    for (const auto& [name, setting] : afterSettings) {
        if (setting != settingIn(beforeSettings, name)) changed.push_back(name + " " + setting);
    }
    for (const auto& [name, setting] : beforeSettings) {
        if (settingIn(afterSettings, name).empty()) changed.push_back("清除" + name);
    }
    if (changed.size() == 1) return changed.front();
    if (changed.size() > 1) return std::to_string(changed.size()) + " 个条件";
    if (!(before.scheme.tolerance == after.scheme.tolerance)) return "容错";
    if (before.scheme.bigFrom != after.scheme.bigFrom)
        return after.scheme.bigFrom == 6 ? "大号 6~11" : "大号 7~11";
    return "条件";
}

void UndoHistory::settle(Clock::time_point now) {
    if (m_states.empty()) return;
    std::string key = m_window.key();
    if (key == m_key) {
        m_nextName.clear();  // the named change changed nothing
        return;
    }
    m_key = std::move(key);
    const State& current = m_states[m_at];
    State next = stateOf(m_window.capture(), &current);
    if (next.scheme == current.scheme && next.texts == current.texts) return;
    int typedBox = -1;
    if (next.scheme == current.scheme) {
        for (std::size_t k = 0; k < kTexts.size(); ++k) {
            if (next.texts[k] == current.texts[k]) continue;
            typedBox = typedBox == -1 ? static_cast<int>(k) : -2;
        }
    }
    next.typedBox = typedBox >= 0 ? typedBox : -1;
    next.at = now;
    m_states.resize(m_at + 1);  // a new change drops what could be redone
    // Typing on in the same box within a second: the same step.
    const bool isTypingOn = m_nextName.empty() && m_at > 0 && next.typedBox >= 0 &&
                            current.typedBox == next.typedBox && now - current.at < kTypingPause;
    Settings settings = setSettings();
    if (isTypingOn) {
        next.name = current.name;
        m_states[m_at] = std::move(next);
    } else {
        next.name = m_nextName.empty() ? nameOf(current, m_settings, next, settings) : m_nextName;
        m_states.push_back(std::move(next));
        if (m_states.size() > kMostSteps + 1) m_states.erase(m_states.begin());
        m_at = m_states.size() - 1;
    }
    m_settings = std::move(settings);
    m_nextName.clear();
    if (m_onChange) m_onChange();
}

std::string UndoHistory::undoText() const {
    return canUndo() ? "撤销：" + m_states[m_at].name : std::string();
}

std::string UndoHistory::redoText() const {
    return canRedo() ? "重做：" + m_states[m_at + 1].name : std::string();
}

void UndoHistory::goTo(std::size_t at) {
    m_at = at;
    m_window.restore(schemeOf(m_states[m_at]));
    m_key = m_window.key();
    m_settings = setSettings();
    m_nextName.clear();
    if (m_onChange) m_onChange();
}

void UndoHistory::undo() {
    settle();  // a change not yet recorded is the step undone
    if (canUndo()) goTo(m_at - 1);
}

void UndoHistory::redo() {
    if (canRedo()) goTo(m_at + 1);
}

std::size_t UndoHistory::bytes() const {
    std::size_t total = 0;
    std::set<const void*> counted;
    for (const auto& state : m_states) {
        // A set's values are tree nodes of about 40 bytes each.
        const Scheme& s = state.scheme;
        std::size_t values = s.killNumbers.size() + s.killSpans.size() + s.killSums.size() +
                             s.oddCounts.size() + s.bigCounts.size() + s.killSumTails.size() +
                             s.smallest.size() + s.largest.size() + s.killSpacing.size() +
                             s.primeCounts.size() + s.killPairs.size() + s.keepPairs.size();
        total += sizeof(State) + state.name.size() + 40 * values;
        for (const auto& text : state.texts) {
            if (counted.insert(text.get()).second)
                total += sizeof(*text) + (*text ? (*text)->size() : 0);
        }
    }
    return total;
}

}  // namespace scheme
