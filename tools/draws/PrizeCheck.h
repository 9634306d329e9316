#pragma once

#include <string>
#include <string_view>

namespace draws {

class DrawList;
class StatusLine;
struct Edition;

// 对奖: the main window's result against a typed draw or the newest listed.
class PrizeCheck {
public:
    PrizeCheck(const Edition& edition, StatusLine& status, const DrawList& list);

    void checkTyped(std::string_view text);
    void checkNewest();
    void clear() { m_result.clear(); }
    const std::string& result() const { return m_result; }

private:
    const Edition& m_edition;
    StatusLine& m_status;
    const DrawList& m_list;
    std::string m_result;
};

}  // namespace draws
