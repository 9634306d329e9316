#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scheme/Scheme.h"

namespace scheme {

// 撤销 / 重做 of a main window's conditions. The window's state is its scheme
// (every condition control, 容错 and the 大号 option); after each round of
// the event loop `settle` compares a cheap key of it with the last one, and a
// change becomes one step. So every kind of change — a click, a typed text,
// 清空所有条件, 载入方案, a side window's or the chart's clicks — is a step,
// and a refused click, which changes nothing, is none. Typing into one box
// within a second of the last step there adds to that step. Undo and redo
// set the controls as the state says; they never run the filter.
class UndoHistory {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kMostSteps = 200;
    static constexpr auto kTypingPause = std::chrono::seconds(1);

    struct Window {
        std::function<Scheme()> capture;
        std::function<void(const Scheme&)> restore;
        // Changes whenever the state may have; cheap to take.
        std::function<std::string()> key;
        // Each condition's name and setting's text, to name a step by.
        std::function<std::vector<std::pair<std::string, std::string>>()> settings;
    };

    explicit UndoHistory(Window window);

    // Takes the start-up state (after the window loaded).
    void start();
    // Records a step when the state changed since the last one.
    void settle(Clock::time_point now = Clock::now());
    // The name the next step takes ("载入方案 a.json", "清空所有条件").
    void nameNextStep(std::string name) { m_nextName = std::move(name); }

    bool canUndo() const { return m_at > 0; }
    bool canRedo() const { return m_at + 1 < m_states.size(); }
    // "撤销：杀和值 杀 15 28" / "重做：…", or "" when there is nothing.
    std::string undoText() const;
    std::string redoText() const;
    void undo();
    void redo();
    std::size_t steps() const { return m_states.empty() ? 0 : m_states.size() - 1; }
    // What the kept states take in memory, about.
    std::size_t bytes() const;
    // Runs after every step, undo and redo (the buttons follow).
    void setChangeListener(std::function<void()> listener) { m_onChange = std::move(listener); }

private:
    // A scheme whose long texts are shared with the states around it.
    struct State {
        Scheme scheme;  // its texts empty
        std::vector<std::shared_ptr<const std::optional<std::string>>> texts;
        std::string name;   // of the step that led here
        int typedBox = -1;  // the one text this step changed, or -1
        Clock::time_point at{};
    };
    State stateOf(Scheme scheme, const State* before) const;
    Scheme schemeOf(const State& state) const;
    using Settings = std::vector<std::pair<std::string, std::string>>;
    Settings setSettings() const;  // the window's, the empty ones left out
    static std::string nameOf(const State& before, const Settings& beforeSettings,
                              const State& after, const Settings& afterSettings);
    void goTo(std::size_t at);

    Window m_window;
    std::vector<State> m_states;
    std::size_t m_at = 0;
    std::string m_key;
    Settings m_settings;  // of the state the window is in; only to name the next step
    std::string m_nextName;
    std::function<void()> m_onChange;
};

}  // namespace scheme
