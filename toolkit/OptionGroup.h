#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Listener.h"

namespace toolkit {

// A group of option buttons of which exactly one is chosen.
class OptionGroup {
public:
    OptionGroup(std::string name, std::vector<std::string> captions);

    const std::string& name() const { return m_name; }
    std::size_t size() const { return m_captions.size(); }
    const std::string& caption(std::size_t index) const { return m_captions.at(index); }
    std::size_t chosen() const { return m_chosen; }
    // Chooses an item and raises the click event with its index.
    void choose(std::size_t index);

    void setClickHandler(std::function<void(std::size_t)> handler) {
        m_onClick = std::move(handler);
    }
    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }

private:
    std::string m_name;
    std::vector<std::string> m_captions;
    std::size_t m_chosen = 0;
    std::function<void(std::size_t)> m_onClick;
    Listener m_view;
};

}  // namespace toolkit
