#include <iostream>
#include <iterator>

#include "cli/Runner.h"
#include "scheme/SchemeFiles.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return cli::run(args, std::cout, std::cerr,
                    [](const std::string& name) -> std::optional<std::string> {
                        if (name == "-") {
                            return std::string(std::istreambuf_iterator<char>(std::cin), {});
                        }
                        return scheme::readFile(name);
                    });
}
