// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: setup files as anything may hold them.
//
// Input: the bytes of a setup file. Reading it either refuses it with one problem worded
// "ERROR: setup FILE: WHAT", or gives a setup whose slot count its layout takes; such a
// setup is written as JSON that reads back as the same setup and is written again byte
// for byte the same. A setup's slots then make a merge request of the same slots.

#include <cstdio>
#include <cstdlib>

#include "core/setup/setup_file.h"
#include "core/setup/setup_places.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "setup_fuzzer: broken invariant: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pw::ReadSetup read = pw::parseSetup(bytes, "f.pwsetup");
    require(read.setup.has_value() != read.problem.has_value(), "neither a setup nor a problem");
    if (read.problem) {
        require(read.problem->message.starts_with("ERROR: setup f.pwsetup: ") &&
                    read.problem->message.find('\n') == std::string::npos,
                "a problem not worded as one line of its own");
        return 0;
    }
    const pw::Setup& setup = *read.setup;
    require(pw::shapeFor(setup.layout, static_cast<int>(setup.slots.size())).has_value(),
            "a slot count the layout cannot take");
    const QByteArray written = pw::setupJson(setup);
    const pw::ReadSetup again = pw::parseSetup(written, "f.pwsetup");
    require(again.setup && *again.setup == setup, "the written setup reads back otherwise");
    require(pw::setupJson(*again.setup) == written, "a setup written twice differs");
    static const pw::SetupPlaces places("/nonexistent-setups/f.pwsetup", {"/nonexistent-root"});
    const pw::MergeRequest request = places.request(setup);
    require(request.slots.size() == setup.slots.size() && request.direction == setup.direction,
            "the merge request lost slots");
    for (std::size_t i = 0; i < setup.slots.size(); ++i) {
        require(request.slots[i].path.empty() == (setup.slots[i].place == pw::PanelPlace::None),
                "a chosen panel without a path, or an empty slot with one");
    }
    return 0;
}
