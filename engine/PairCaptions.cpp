#include "engine/PairCaptions.h"

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

}  // namespace engine
