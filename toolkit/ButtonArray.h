#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Button.h"

namespace toolkit {

// A named array of like buttons addressed by index (0 upwards). A click on
// any item runs the array's one handler with the item's index.
class ButtonArray {
public:
    ButtonArray(std::string name, const std::vector<std::string>& captions,
                Rgb backColour = palette::kCream);
    ButtonArray(const ButtonArray&) = delete;
    ButtonArray& operator=(const ButtonArray&) = delete;

    const std::string& name() const { return m_name; }
    std::size_t size() const { return m_buttons.size(); }
    Button& operator[](std::size_t index) { return m_buttons.at(index); }
    const Button& operator[](std::size_t index) const { return m_buttons.at(index); }

    // Sets every item to one colour (the clear and select-all buttons).
    void setAllBackColours(Rgb colour);
    // Number of items showing the given colour.
    std::size_t countWithColour(Rgb colour) const;

    void setClickHandler(std::function<void(std::size_t)> handler);
    void press(std::size_t index) { m_buttons.at(index).press(); }

private:
    std::string m_name;
    std::deque<Button> m_buttons;  // stable addresses: views keep references
    std::function<void(std::size_t)> m_onClick;
};

// Captions "01".."11" style: each number from `first` to `last` as two digits.
std::vector<std::string> twoDigitCaptions(int first, int last);
// Captions "0".."5" style: each number from `first` to `last` in plain decimal.
std::vector<std::string> plainCaptions(int first, int last);

}  // namespace toolkit
