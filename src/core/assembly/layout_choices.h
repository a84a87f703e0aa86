// SPDX-License-Identifier: GPL-3.0-or-later
// The messages that list the layouts and the counts a layout takes.
#pragma once

#include <string>

#include "core/assembly/layout.h"

namespace pw::messages {

std::string layoutChoices();                         // "top-to-bottom, end-to-end or composite"
std::string countChoices(const CountRange& counts);  // "2 to 4", "2 or 3", "4, 6 or 8"
// A layout handed a number of sources it does not take.
std::string countNotTaken(Layout layout, int count);

}  // namespace pw::messages
