#pragma once

#include <string>
#include <vector>

namespace pw::test {

// Builds the text of a well-formed map file, CR LF line ends, for tests.
struct MapBuilder {
    int version = 1;
    int length = 4;
    int height = 2;
    int tally = 100;
    char fill = '.';           // grid cells
    std::string layers = "b";  // one block per letter, rows filled with the letter
    std::vector<std::string> labels = {"1.50 1 Hill"};

    std::string text() const;
};

}  // namespace pw::test
