#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/Runner.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return cli::run(args, std::cout, std::cerr,
                    [](const std::string& name) -> std::optional<std::string> {
                        if (name == "-") {
                            return std::string(std::istreambuf_iterator<char>(std::cin), {});
                        }
                        std::ifstream file(name, std::ios::binary);
                        if (!file) return std::nullopt;
                        std::ostringstream text;
                        text << file.rdbuf();
                        if (file.bad()) return std::nullopt;
                        return text.str();
                    });
}
