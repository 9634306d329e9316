#pragma once

#include <string_view>

namespace toolkit {
class Host;
}

namespace engine {

inline constexpr const char* kCopyFailedText = "本次复制产生错误，请重新复制一次";
inline constexpr const char* kCopyFailedTitle = "错误提示";

// Puts `text` on the clipboard exactly as given and confirms with the
// self-closing tip window; when the clipboard cannot be written, says so and
// shows no tip. An empty text is copied like any other.
void copyResult(std::string_view text, toolkit::Host& host);

}  // namespace engine
