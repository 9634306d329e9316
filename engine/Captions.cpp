#include "engine/Captions.h"

#include "app/toolkit/ButtonArray.h"

namespace engine {

std::vector<std::string> pairCaptions() {
    const auto tokens = toolkit::twoDigitCaptions(1, 11);
    std::vector<std::string> captions;
    for (std::size_t a = 0; a < tokens.size(); ++a) {
        for (std::size_t b = a + 1; b < tokens.size(); ++b)
            captions.push_back(tokens[a] + "\r\n" + tokens[b]);
    }
    return captions;
}

std::vector<std::string> firstBankerCaptions() {
    auto captions = toolkit::twoDigitCaptions(2, 10);
    captions.push_back("01");
    captions.push_back("11");
    return captions;
}

}  // namespace engine
