#pragma once

#include <string>

namespace history {

// What a store call gives back: done, or the one-line message saying why not
// (naming the file or the lottery, in the program's words).
struct Status {
    std::string errorText;
    // The file was held by another program (SQLITE_BUSY or SQLITE_LOCKED): the
    // same call may work a moment later, with the same store.
    bool isBusy = false;
    bool ok() const { return errorText.empty(); }
};

// The same with the value asked for, which is empty when the call failed.
template <class T>
struct Outcome : Status {
    T value{};
};

}  // namespace history
