// SPDX-License-Identifier: GPL-3.0-or-later
// panelwright-bench: times `panelwright-cli merge` against the copy floor on the same
// files, for every layout at its largest count, and measures peak memory at two heights;
// then the pictures of the largest joined maps against their merge, and their memory.
//
//   panelwright-bench [--repeat N] [--keep DIR] [--pictures] BIN_DIR
//
// BIN_DIR holds panelwright-cli, panelwright-mapgen and panelwright-copy-floor. With
// --pictures only the pictures are measured.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    double cpuSeconds = 0;  // user and system time: steadier than the wall time on a busy machine
};

// Runs a program to its end; its wall time and peak resident memory. A failure ends the
// benchmark unless `mayFail`.
Run runProgram(const std::vector<std::string>& arguments, bool mayFail = false) {
    std::fflush(stdout);  // the child must not inherit unwritten output
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv;
        std::vector<std::string> copies(arguments);
        for (std::string& argument : copies) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (std::freopen("/dev/null", "w", stdout) == nullptr) {
            ::_exit(126);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!mayFail && (!WIFEXITED(status) || WEXITSTATUS(status) != 0)) {
        std::fprintf(stderr, "failed: %s\n", arguments[0].c_str());
        std::exit(1);
    }
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss,
            seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A panel of 4 by 2 cells with one line of `size` bytes: a grid row, a layer letter line
// or a label.
std::string makeLongLinePanel(const fs::path& folder, const std::string& where, std::size_t size) {
    const fs::path panel = folder / ("long-" + where + ".map");
    std::FILE* file = std::fopen(panel.string().c_str(), "wb");
    const auto put = [file](const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), file);
    };
    const auto putLong = [&](char fill) {
        const std::string chunk(1 << 20, fill);
        for (std::size_t done = 0; done < size; done += chunk.size()) {
            std::fwrite(chunk.data(), 1, std::min(chunk.size(), size - done), file);
        }
        put("\r\n");
    };
    put("1\r\n4 2 100\r\n0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1\r\n0 4\r\n");
    where == "row" ? putLong('#') : put("....\r\n");
    put("....\r\n....\r\n....\r\n");
    where == "letter" ? putLong('b') : put("b\r\n");
    put("bbbb\r\nbbbb\r\nx\r\n");
    if (where == "label") {
        put("1 1 ");
        putLong('L');
    }
    std::fclose(file);
    return panel.string();
}

// The panels a benchmark joins: like the bundled map sets (a third of the cells drawn from
// a few terrain characters, 5,000 labels), or the worst case for a picture (every cell of
// every section drawn from 50 characters, 2,000 labels).
enum class Panels { Terrain, Worst };

constexpr const char* kWorstCells = ".,'^~#=+TM0123456789ABCDEFGHIJKLMNOPQRSTabcdefghij";

std::vector<std::string> makePanels(const std::string& bin, const fs::path& folder, int count,
                                    int height, Panels kind = Panels::Terrain) {
    std::vector<std::string> panels;
    for (int i = 0; i < count; ++i) {
        // Appended piece by piece: "P" + ... makes GCC 12 at -O2 warn wrongly of an overlap.
        std::string name = kind == Panels::Worst ? "W" : "P";
        name += std::to_string(height);
        name += '-';
        name += std::to_string(i);
        name += ".map";
        const fs::path panel = folder / name;
        if (!fs::exists(panel)) {
            std::vector<std::string> generate = {bin + "/panelwright-mapgen",
                                                 "--length",
                                                 "999",
                                                 "--height",
                                                 std::to_string(height),
                                                 "--layers",
                                                 "abcdefghijklmnopqrstuvw",
                                                 "--seed",
                                                 std::to_string(i + 1)};
            const std::vector<std::string> contents =
                kind == Panels::Worst ? std::vector<std::string>{"--labels", "2000",    "--fill",
                                                                 "100",      "--cells", kWorstCells}
                                      : std::vector<std::string>{"--labels", "5000"};
            generate.insert(generate.end(), contents.begin(), contents.end());
            generate.push_back(panel.string());
            runProgram(generate);
        }
        panels.push_back(panel.string());
    }
    return panels;
}

std::vector<std::string> mergeCommand(const std::string& bin, const char* layout,
                                      const std::string& output,
                                      const std::vector<std::string>& panels) {
    std::vector<std::string> merge = {
        bin + "/panelwright-cli", "merge", "--layout", layout, "--output", output};
    merge.insert(merge.end(), panels.begin(), panels.end());
    return merge;
}

// The picture of a joined map as merge --image draws it: labels, seams between panels of
// 999 cells across and `height` down.
std::vector<std::string> pictureCommand(const std::string& bin, const std::string& map,
                                        const std::string& picture, int scale, int height) {
    return {bin + "/panelwright-cli",
            "render",
            "--labels",
            "--seams",
            "--panel",
            "999x" + std::to_string(height),
            "--scale",
            std::to_string(scale),
            "--output",
            picture,
            map};
}

// Pictures of the largest joined maps: at 1 px per cell against the merge that made the
// map, at 4 px per cell within 64 MiB and 12 MB of file (terrain panels), and as flat as the
// merge from height 100 to 999.
bool measurePictures(const std::string& bin, const fs::path& folder, int repeat) {
    struct Case {
        const char* layout;
        int count;
        Panels kind;
    };
    const Case cases[] = {
        {"composite", 8, Panels::Terrain},     {"end-to-end", 3, Panels::Terrain},
        {"top-to-bottom", 4, Panels::Terrain}, {"composite", 8, Panels::Worst},
        {"end-to-end", 3, Panels::Worst},      {"top-to-bottom", 4, Panels::Worst}};
    const std::string map = (folder / "joined.map").string();
    const std::string picture = (folder / "joined.png").string();
    bool met = true;
    std::printf("\npictures of the largest joined maps (labels, seams), medians:\n");
    std::printf("%-20s %9s %10s %8s %9s %12s %8s %10s %12s %8s %11s\n", "layout", "merge s",
                "1px s", "ratio", "cpu ratio", "1px peak KiB", "1px MB", "4px s", "4px peak KiB",
                "4px MB", "image+merge");
    for (const Case& test : cases) {
        const std::vector<std::string> panels = makePanels(bin, folder, test.count, 999, test.kind);
        const std::vector<std::string> merge = mergeCommand(bin, test.layout, map, panels);
        runProgram(merge);
        std::vector<double> merges, ones, fours, both, mergeCpu, oneCpu;
        long onePeak = 0;
        long fourPeak = 0;
        std::uintmax_t oneBytes = 0;
        std::uintmax_t fourBytes = 0;
        std::vector<std::string> withImage = merge;
        withImage.insert(withImage.begin() + 2, {"--scale", "1", "--image", picture});
        for (int i = 0; i < repeat; ++i) {
            const Run merged = runProgram(merge);
            merges.push_back(merged.seconds);
            mergeCpu.push_back(merged.cpuSeconds);
            const Run one = runProgram(pictureCommand(bin, map, picture, 1, 999));
            ones.push_back(one.seconds);
            oneCpu.push_back(one.cpuSeconds);
            onePeak = std::max(onePeak, one.peakKilobytes);
            oneBytes = fs::file_size(picture);
            both.push_back(runProgram(withImage).seconds);
        }
        for (int i = 0; i < std::min(repeat, 3); ++i) {
            const Run four = runProgram(pictureCommand(bin, map, picture, 4, 999));
            fours.push_back(four.seconds);
            fourPeak = std::max(fourPeak, four.peakKilobytes);
            fourBytes = fs::file_size(picture);
        }
        const double ratio = median(ones) / median(merges);
        const std::string name =
            std::string(test.layout) + (test.kind == Panels::Worst ? " worst" : "");
        std::printf("%-20s %9.3f %10.3f %8.2f %9.2f %12ld %8.1f %10.3f %12ld %8.1f %10.2fx\n",
                    name.c_str(), median(merges), median(ones), ratio,
                    median(oneCpu) / median(mergeCpu), onePeak, static_cast<double>(oneBytes) / 1e6,
                    median(fours), fourPeak, static_cast<double>(fourBytes) / 1e6,
                    median(both) / median(merges));
        // The targets hold for the largest joined map of every layout; the worst case's
        // random cells make a file as large as its pixels, whatever the encoder.
        met = met && ratio <= 1.8 && fourPeak < 64 * 1024 &&
              (test.kind == Panels::Worst || fourBytes <= 12'000'000);
    }
    std::printf("\npeak resident memory of the picture at 4 px per cell, composite of 8:\n");
    long peaks[2] = {};
    const int heights[2] = {100, 999};
    for (int h = 0; h < 2; ++h) {
        runProgram(mergeCommand(bin, "composite", map, makePanels(bin, folder, 8, heights[h])));
        for (int i = 0; i < 3; ++i) {
            peaks[h] = std::max(
                peaks[h],
                runProgram(pictureCommand(bin, map, picture, 4, heights[h])).peakKilobytes);
        }
        std::printf("  height %3d: %ld KiB\n", heights[h], peaks[h]);
    }
    const double growth = static_cast<double>(peaks[1]) / static_cast<double>(peaks[0]);
    std::printf("  growth from height 100 to 999: %.1f%%\n", (growth - 1) * 100);
    fs::remove(map);
    fs::remove(picture);
    return met && growth <= 1.10;
}

}  // namespace

int main(int argc, char** argv) {
    int repeat = 7;
    std::string keep;
    std::string bin;
    bool picturesOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--repeat" && i + 1 < argc) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--keep" && i + 1 < argc) {
            keep = argv[++i];
        } else if (argument == "--pictures") {
            picturesOnly = true;
        } else {
            bin = argument;
        }
    }
    if (bin.empty()) {
        std::fprintf(stderr,
                     "usage: panelwright-bench [--repeat N] [--keep DIR] [--pictures] BIN_DIR\n");
        return 2;
    }
    bin = fs::absolute(bin).string();
    const fs::path folder =
        keep.empty() ? fs::temp_directory_path() / "panelwright-bench" : fs::path(keep);
    fs::create_directories(folder);
    if (picturesOnly) {
        const bool met = measurePictures(bin, folder, repeat);
        std::printf("\npicture targets: %s\n", met ? "met" : "NOT met");
        return met ? 0 : 1;
    }

    struct Case {
        const char* layout;
        int count;
    };
    const Case cases[] = {{"top-to-bottom", 4}, {"end-to-end", 3}, {"composite", 8}};
    std::printf("%-14s %6s %10s %10s %8s %10s %10s\n", "layout", "MB", "merge s", "floor s",
                "ratio", "MB/s", "peak KiB");
    bool targetsMet = true;
    for (const Case& test : cases) {
        const std::vector<std::string> panels = makePanels(bin, folder, test.count, 999);
        std::uintmax_t bytes = 0;
        for (const std::string& panel : panels) {
            bytes += fs::file_size(panel);
        }
        std::vector<std::string> merge = {
            bin + "/panelwright-cli",        "merge", "--layout", test.layout, "--output",
            (folder / "merged.map").string()};
        merge.insert(merge.end(), panels.begin(), panels.end());
        std::vector<std::string> floor = {bin + "/panelwright-copy-floor",
                                          (folder / "floor.map").string()};
        floor.insert(floor.end(), panels.begin(), panels.end());
        runProgram(merge);  // warm the page cache for both
        runProgram(floor);
        std::vector<double> mergeTimes, floorTimes, ratios;
        long peak = 0;
        for (int i = 0; i < repeat; ++i) {
            const Run merged = runProgram(merge);
            const Run copied = runProgram(floor);
            mergeTimes.push_back(merged.seconds);
            floorTimes.push_back(copied.seconds);
            ratios.push_back(merged.seconds / copied.seconds);
            peak = std::max(peak, merged.peakKilobytes);
        }
        const double ratio = median(ratios);
        const double megabytes = static_cast<double>(bytes) / 1e6;
        std::printf("%-14s %6.1f %10.4f %10.4f %8.2f %10.1f %10ld\n", test.layout, megabytes,
                    median(mergeTimes), median(floorTimes), ratio, megabytes / median(mergeTimes),
                    peak);
        targetsMet = targetsMet && ratio <= 1.2 && peak < 32 * 1024;
    }

    // Peak memory must not grow with the height: the same length at heights 100 and 999.
    std::printf("\npeak resident memory, composite of 8, length 999:\n");
    long peaks[2] = {};
    const int heights[2] = {100, 999};
    for (int h = 0; h < 2; ++h) {
        const std::vector<std::string> panels = makePanels(bin, folder, 8, heights[h]);
        std::vector<std::string> merge = {
            bin + "/panelwright-cli",        "merge", "--layout", "composite", "--output",
            (folder / "merged.map").string()};
        merge.insert(merge.end(), panels.begin(), panels.end());
        for (int i = 0; i < 3; ++i) {
            peaks[h] = std::max(peaks[h], runProgram(merge).peakKilobytes);
        }
        std::printf("  height %3d: %ld KiB\n", heights[h], peaks[h]);
    }
    const double growth = static_cast<double>(peaks[1]) / static_cast<double>(peaks[0]);
    std::printf("  growth from height 100 to 999: %.1f%%\n", (growth - 1) * 100);
    targetsMet = targetsMet && growth <= 1.10;

    // No line is held whole: a 512 MiB line costs no more memory than a short one.
    std::printf("\npeak resident memory with one line of 512 MiB, end-to-end of 2:\n");
    for (const char* where : {"row", "letter", "label"}) {
        const std::string panel = makeLongLinePanel(folder, where, std::size_t{512} << 20);
        // A row longer than its length is refused, after reading it: memory counts still.
        const Run merged = runProgram({bin + "/panelwright-cli", "merge", "--layout", "end-to-end",
                                       "--output", (folder / "merged.map").string(), panel, panel},
                                      true);
        std::printf("  a long %-6s: %ld KiB\n", where, merged.peakKilobytes);
        targetsMet = targetsMet && merged.peakKilobytes < 32 * 1024;
        fs::remove(panel);
    }
    targetsMet = measurePictures(bin, folder, repeat) && targetsMet;
    std::printf(
        "\ntargets (merge ratio <= 1.2, merge peak < 32 MiB, flat within 10%%; picture "
        "of each layout's largest map at 1 px per cell <= 1.8 x its merge, at 4 px per cell peak < "
        "64 MiB and <= 12 MB, "
        "flat within "
        "10%%): %s\n",
        targetsMet ? "met" : "NOT met");
    fs::remove(folder / "merged.map");
    fs::remove(folder / "floor.map");
    return targetsMet ? 0 : 1;
}
