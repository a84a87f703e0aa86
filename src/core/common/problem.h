// SPDX-License-Identifier: GPL-3.0-or-later
// The value an operation that fails returns: the message and the slot it concerns.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pw {

// Why an operation failed, worded for the user ("ERROR ..."; every text comes from
// messages.h), and for a merge the slot it concerns. Operations that can fail return one
// beside their value (`std::optional<Problem>` when they give nothing else); see README,
// "For developers".
struct Problem {
    static constexpr int kNoSlot = -1;

    std::string message;
    int slot = kNoSlot;  // slot order, from 0
};

// The outcome of a check step: every problem it found, in the order they are shown.
struct StepResult {
    std::vector<Problem> problems;

    bool ok() const { return problems.empty(); }
    void fail(int slot, std::string message) { problems.push_back({std::move(message), slot}); }
};

}  // namespace pw
