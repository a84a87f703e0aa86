#pragma once

#include <string>
#include <vector>

namespace pw {

// One failure of a merge, worded for the user ("ERROR: ..."), with the slot it concerns
// (slot order, from 0).
struct Problem {
    int slot = 0;
    std::string message;
};

// The outcome of a check step: every problem it found, in the order they are shown.
struct StepResult {
    std::vector<Problem> problems;

    bool ok() const { return problems.empty(); }
    void fail(int slot, std::string message) { problems.push_back({slot, std::move(message)}); }
};

}  // namespace pw
