#include "toolkit/OptionGroup.h"

#include <stdexcept>
#include <utility>

namespace toolkit {

OptionGroup::OptionGroup(std::string name, std::vector<std::string> captions)
    : m_name(std::move(name)), m_captions(std::move(captions)) {}

void OptionGroup::choose(std::size_t index) {
    if (index >= m_captions.size()) throw std::out_of_range("option index");
    m_chosen = index;
    m_view.notify();
    if (m_onClick) m_onClick(index);
}

}  // namespace toolkit
