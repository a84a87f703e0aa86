// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include <QCryptographicHash>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace pw::test {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "panelwright-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    // A folder that a test locked must let its files go again.
    for (fs::recursive_directory_iterator entry(path_, ignored), end; entry != end;
         entry.increment(ignored)) {
        fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<std::vector<std::string>> readTable(const std::filesystem::path& path) {
    const std::vector<TableRow> rows = readRows(path);
    return {rows.begin(), rows.end()};
}

std::vector<TableRow> readRows(const std::filesystem::path& path) {
    std::vector<TableRow> cases;
    std::istringstream lines(readFile(path));
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        cases.emplace_back();
        cases.back().line = number;
        cases.back().emplace_back();
        for (std::size_t at = 0; at < line.size(); ++at) {
            std::string& field = cases.back().back();
            const std::size_t star = line.find('*', at), close = line.find('}', at);
            if (line[at] == '\t') {
                cases.back().emplace_back();
            } else if (line[at] == '\\' && line.compare(at, 2, "\\x") == 0) {
                field += static_cast<char>(std::stoi(line.substr(at + 2, 2), nullptr, 16));
                at += 3;
            } else if (line[at] == '\\' && at + 1 < line.size()) {
                field += std::string("\r\n\t\\\0", 5).at(std::string("rnt\\0").find(line[++at]));
            } else if (line[at] == '{' && star < close && close == star + 2) {
                field.append(std::stoul(line.substr(at + 1, star - at - 1)), line[star + 1]);
                at = close;
            } else {
                field += line[at];
            }
        }
    }
    return cases;
}

std::string rowName(const TableRow& row) {
    return "line" + std::to_string(row.line);
}

namespace {
std::string printable(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, 120)) {
        const auto code = static_cast<unsigned char>(c);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", code);
        shown += code >= 0x20 && code < 0x7f ? std::string(1, c) : std::string(hex);
    }
    return shown + (text.size() > 120 ? "...(" + std::to_string(text.size()) + " bytes)" : "");
}
}  // namespace

void PrintTo(const TableRow& row, std::ostream* out) {
    *out << "line " << row.line << ':';
    for (const std::string& field : row) {
        *out << " [" << printable(field) << ']';
    }
}

std::string firstDifference(const std::string& got, const std::string& expected) {
    const auto [mine, theirs] =
        std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
    if (mine == got.end() && theirs == expected.end()) {
        return {};
    }
    const auto at = static_cast<std::size_t>(mine - got.begin());
    return "sizes " + std::to_string(got.size()) + " and " + std::to_string(expected.size()) +
           ", first difference at byte " + std::to_string(at) + ": got \"" +
           printable(got.substr(at, 40)) + "\", expected \"" + printable(expected.substr(at, 40)) +
           "\"";
}

std::vector<std::string> words(const std::string& field) {
    std::vector<std::string> found;
    std::istringstream in(field);
    for (std::string word; in >> word;) {
        found.push_back(word == "''" ? "" : word);
    }
    return found;
}

std::string MapBuilder::text() const {
    std::string out = "1\r\n" + std::to_string(length) + " " + std::to_string(height) + " " +
                      std::to_string(tally) +
                      "\r\n0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1\r\n0 4\r\n";
    const std::string blocks = std::string(2, fill) + layers;  // both grids, then the layers
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        out += block < 2 ? "" : blocks.substr(block, 1) + "\r\n";
        for (int y = 0; y < height; ++y) {
            out += std::string(static_cast<std::size_t>(length), blocks[block]) + "\r\n";
        }
    }
    out += "x\r\n";
    for (const std::string& label : labels) {
        out += label + "\r\n";
    }
    return out;
}

std::string pdfSummary(const std::string& bytes) {
    std::smatch count;
    std::smatch box;
    const bool found =
        std::regex_search(bytes, count, std::regex(R"(/Type /Pages[^>]*?/Count (\d+))")) &&
        std::regex_search(bytes, box, std::regex(R"(/MediaBox \[0 0 (\d+)\.?\d* (\d+)\.?\d*\])"));
    return found ? "pages " + count.str(1) + "\nsize " + box.str(1) + "x" + box.str(2) + "\n"
                 : "no PDF";
}

// "pictures A B ...": the pictures of each page, as the resources after each page list them.
std::string picturesByPage(const std::string& bytes) {
    std::string counts = "pictures";
    const std::string page = "/Type /Page\n";
    for (std::size_t at = bytes.find(page); at != std::string::npos;) {
        const std::size_t next = bytes.find(page, at + 1);
        const std::size_t list = bytes.find("/XObject <<", at);
        const std::size_t end = list < next ? bytes.find(">>", list) : list;
        int pictures = 0;
        for (std::size_t name = bytes.find("/Im", list); name < end;
             name = bytes.find("/Im", name + 1)) {
            ++pictures;
        }
        counts += " " + std::to_string(pictures);
        at = next;
    }
    return counts + "\n";
}

std::string pdfFingerprint(const std::string& bytes) {
    std::string timeless = bytes;
    const std::size_t date = timeless.find("/CreationDate (");
    if (date != std::string::npos) {
        timeless.erase(date, timeless.find(')', date) - date);
    }
    return pdfSummary(bytes) + picturesByPage(bytes) + "digest " +
           QCryptographicHash::hash(QByteArray::fromStdString(timeless), QCryptographicHash::Sha256)
               .toHex()
               .left(16)
               .toStdString() +
           "\n";
}

}  // namespace pw::test
