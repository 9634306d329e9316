#pragma once

#include <functional>

#include "toolkit/Listener.h"

namespace toolkit {

// A small whole-number selector with a range (a spin box on screen). The
// value always lies in the range: a value set outside it, or a range that
// moves past it, is brought to the nearest end.
class NumberBox {
public:
    NumberBox(int minimum, int maximum) : m_minimum(minimum), m_maximum(maximum) {}
    NumberBox(const NumberBox&) = delete;
    NumberBox& operator=(const NumberBox&) = delete;

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // A choice by the user or from code; raises the change event if it changed.
    void setValue(int value);
    void setRange(int minimum, int maximum);

    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }
    void setViewListener(std::function<void()> onChanged) { m_view.set(std::move(onChanged)); }

private:
    int m_minimum;
    int m_maximum;
    int m_value = 0;
    std::function<void()> m_onChange;
    Listener m_view;
};

}  // namespace toolkit
