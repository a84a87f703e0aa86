// SPDX-License-Identifier: GPL-3.0-or-later
// The messages that list the map sets and directions as files and commands spell them.
#pragma once

#include <string>

namespace pw::messages {

std::string mapSetChoices();     // "ironfall or emberline"
std::string directionChoices();  // "N, NE, E, SE, S, SW, W, NW or 0 to 7"

}  // namespace pw::messages
