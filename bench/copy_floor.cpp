// SPDX-License-Identifier: GPL-3.0-or-later
// panelwright-copy-floor: the honest floor of a merge. Reads every source once and writes
// their bytes into one output file, in the same block size as the merge, and syncs it.
//
//   panelwright-copy-floor OUT SOURCE...

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: panelwright-copy-floor OUT SOURCE...\n");
        return 2;
    }
    const int out = ::open(argv[1], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::vector<char> buffer(256 * 1024);
    for (int i = 2; i < argc; ++i) {
        const int in = ::open(argv[i], O_RDONLY | O_CLOEXEC);
        if (in < 0) {
            std::perror(argv[i]);
            return 1;
        }
        for (;;) {
            const ssize_t got = ::read(in, buffer.data(), buffer.size());
            if (got <= 0) {
                break;
            }
            if (::write(out, buffer.data(), static_cast<std::size_t>(got)) != got) {
                std::perror(argv[1]);
                return 1;
            }
        }
        ::close(in);
    }
    const bool synced = ::fsync(out) == 0;
    return ::close(out) == 0 && synced ? 0 : 1;
}
