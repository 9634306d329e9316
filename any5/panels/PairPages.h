#pragma once

#include "toolkit/ButtonArray.h"

namespace any5 {

// The tab pages "杀2码组合" and "必出2码组合": 55 pair buttons each, with
// "全选" and "清空".
class PairPages {
public:
    PairPages();
    PairPages(const PairPages&) = delete;
    PairPages& operator=(const PairPages&) = delete;

    toolkit::ButtonArray C_sha2ma{"C_sha2ma", std::vector<std::string>(55)};
    toolkit::Button C_sha2ma_all{"全选"};
    toolkit::Button C_sha2ma_cls{"清空"};
    toolkit::ButtonArray C_chu2ma{"C_chu2ma", std::vector<std::string>(55)};
    toolkit::Button C_chu2ma_all{"全选"};
    toolkit::Button C_chu2ma_cls{"清空"};

    // Start-up: both arrays get the pair captions, "01\r\n02" to "10\r\n11".
    void setCaptions();
};

}  // namespace any5
