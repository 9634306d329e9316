#pragma once

#include <array>
#include <functional>

#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Frame.h"
#include "toolkit/TextBox.h"
#include "toolkit/Window.h"

namespace engine {
class TableGuard;
}
namespace toolkit {
class Host;
}

namespace intersection {

// How the tool reaches an edition's candidate table: generate it, and read
// and kill its rows. The edition also says how its lists are written.
struct Universe {
    enum class Edition { Any5, Front3 };
    Edition edition = Edition::Any5;
    int rowCount = 0;
    std::function<void(const std::function<void()>& yieldPerRow)> generate;
    // The row's numbers in column order (5 for any-5, 3 for front-3).
    std::function<void(int row, int* numbers)> numbers;
    std::function<void(int row)> kill;
    std::function<bool(int row)> isKilled;
};

// Fjiaoji, "交集工具": lists A and B, combined by one of four set operations
// over the edition's whole universe of bets; a bet is in a list when its text
// occurs anywhere in it.
class IntersectionForm final : public toolkit::Window {
public:
    static constexpr toolkit::Rgb kButtonColour = 0xC0C0FF;  // light blue
    static constexpr const char* kFront3Tip =
        "交并集结果转为组选技巧：\r\n再打开一个前三缩水软件，\r\n把交并集结果：\r\n粘贴到杀直选框\r"
        "\n"
        "开始缩水\r\n复制过滤结果\r\n清空所有条件\r\n再粘贴到杀直选框\r\n转为组选--OK\r\n";

    IntersectionForm(Universe universe, engine::TableGuard& guard, toolkit::Host& host);

    // 0 list A, 1 list B, 2 the result (read-only).
    std::array<toolkit::TextBox, 3> T_dd_jiaoji;
    toolkit::TextBox T_jiaoji_zhushu;
    toolkit::ButtonArray C_jiaoji_xuanzhe{
        "C_jiaoji_xuanzhe", {"AB交集", "AB并集", "A排除B", "B排除A"}, kButtonColour};
    toolkit::ButtonArray C_jiaoji_cls{
        "C_jiaoji_cls", {"清空A", "清空B", "复制结果号码"}, kButtonColour};
    toolkit::CheckBox Check_out_douhao;
    toolkit::Frame Fjindu{"工作中，请等2秒。。。。"};  // front-3 only
    toolkit::TextBox Text1;                            // front-3 only

    bool isFront3() const { return m_universe.edition == Universe::Edition::Front3; }
    // The list labels of the edition: "任5大地A" ... or "前三大地A" ...
    const char* listLabel(int list) const;

private:
    void operate(std::size_t operation);
    void publish();
    char separator() const { return Check_out_douhao.isTicked() ? ',' : ' '; }

    Universe m_universe;
    engine::TableGuard& m_guard;
    toolkit::Host& m_host;
};

}  // namespace intersection
