#include <algorithm>

#include "scheme/SchemeFields.h"

namespace scheme {
namespace {

constexpr const char* kExpected =
    " 对象 {\"min\": 0, \"max\": 1, \"hard\": [不参与容错的条件名称…]}";

std::set<std::string> readHard(const Json& value, const std::vector<std::string>& conditions) {
    const std::string where = "\"tolerance\" 的 \"hard\"";
    std::set<std::string> hard;
    for (const Json& item : arrayOf(where, value, " 条件名称的数组，如 [\"通杀码\"]")) {
        if (!item.is_string()) wrongType(where, item, " 条件名称，如 \"通杀码\"");
        const auto& name = item.get_ref<const std::string&>();
        if (std::find(conditions.begin(), conditions.end(), name) == conditions.end())
            fail(where + " 里的 " + shown(item) + " 不是这一版的条件名称");
        hard.insert(name);
    }
    return hard;
}

}  // namespace

Field tolerance(const std::vector<std::string>& conditions) {
    const int most = static_cast<int>(conditions.size());
    return {"tolerance",
            [conditions, most](const Json& value, Scheme& scheme) {
                if (!value.is_object()) wrongType(keyName("tolerance"), value, kExpected);
                engine::Tolerance read;
                for (const auto& [name, part] : value.items()) {
                    const std::string where = "\"tolerance\" 的 " + keyName(name);
                    if (name == "min" || name == "max") {
                        const std::int64_t v = integerOf(where, part, " 整数");
                        if (v < 0 || v > most) {
                            fail(where + " 的值 " + shown(part) + " 超出范围：应在 0.." +
                                 std::to_string(most) + " 之间");
                        }
                        (name == "min" ? read.min : read.max) = static_cast<int>(v);
                    } else if (name == "hard") {
                        read.hard = readHard(part, conditions);
                    } else {
                        fail("\"tolerance\" 里有未知的键 " + keyName(name) +
                             "：只能有 \"min\"、\"max\" 和 \"hard\"");
                    }
                }
                if (read.min > read.max) {
                    fail("\"tolerance\" 的 \"min\" " + std::to_string(read.min) + " 大于 \"max\" " +
                         std::to_string(read.max));
                }
                scheme.tolerance = std::move(read);
            },
            [conditions](const Scheme& scheme, Json& out) {
                const engine::Tolerance& t = scheme.tolerance;
                if (t == engine::Tolerance{}) return;
                Json item = Json::object();
                item["min"] = t.min;
                item["max"] = t.max;
                Json hard = Json::array();
                for (const auto& name : conditions) {
                    if (t.hard.count(name) != 0) hard.push_back(name);
                }
                item["hard"] = std::move(hard);
                out["tolerance"] = std::move(item);
            }};
}

}  // namespace scheme
