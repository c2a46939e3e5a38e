#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <set>

#include "kelvara/platform/Guid.h"
#include "kelvara/platform/System.h"

namespace {

std::pair<std::uint64_t, std::uint64_t> bitsOf(const _GUID& g) {
    std::uint64_t lo = 0;
    for (auto b : g.Data4) lo = (lo << 8) | b;
    return {(std::uint64_t{g.Data1} << 32) | (std::uint64_t{g.Data2} << 16) | g.Data3, lo};
}

}  // namespace

TEST(Guid, VersionFourWithTheStandardVariant) {
    EXPECT_LT(CoCreateGuid(nullptr), 0);
    int ones[128] = {};
    const int n = 20000;
    std::set<std::pair<std::uint64_t, std::uint64_t>> seen;
    for (int i = 0; i < n; ++i) {
        _GUID g;
        ASSERT_EQ(CoCreateGuid(&g), 0);
        EXPECT_EQ(g.Data3 & 0xF000, 0x4000);
        EXPECT_EQ(g.Data4[0] & 0xC0, 0x80);
        const auto bits = bitsOf(g);
        EXPECT_TRUE(seen.insert(bits).second) << "repeated GUID";
        for (int b = 0; b < 64; ++b) {
            ones[b] += static_cast<int>((bits.first >> b) & 1);
            ones[64 + b] += static_cast<int>((bits.second >> b) & 1);
        }
    }
    // Every bit outside the fixed version and variant bits is set about half of the time.
    for (int b = 0; b < 128; ++b) {
        const bool fixed = (b >= 12 && b < 16) || (b >= 64 + 62);
        if (fixed) continue;
        EXPECT_GT(ones[b], n * 45 / 100) << "bit " << b;
        EXPECT_LT(ones[b], n * 55 / 100) << "bit " << b;
    }
}

TEST(Guid, AForkedChildDoesNotRepeatItsParent) {
    _GUID warm;
    CoCreateGuid(&warm);  // the parent's generator exists before the fork
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _GUID g;
        CoCreateGuid(&g);
        const ssize_t written = write(fds[1], &g, sizeof g);
        _exit(written == static_cast<ssize_t>(sizeof g) ? 0 : 1);
    }
    close(fds[1]);
    _GUID fromChild;
    ASSERT_EQ(read(fds[0], &fromChild, sizeof fromChild), static_cast<ssize_t>(sizeof fromChild));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    _GUID mine;
    CoCreateGuid(&mine);
    EXPECT_FALSE(mine == fromChild) << "the child reused the parent's generator state";
}

TEST(System, ClassicColoursAndFilesAndTime) {
    EXPECT_EQ(RGB(1, 2, 3), 0x030201ul);
    EXPECT_EQ(RGB(0x1FF, 0, 0), 0xFFul);
    EXPECT_EQ(GetSysColor(15), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(18), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(24), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(-1), 0ul);
    EXPECT_EQ(GetSysColor(31), 0ul);

    char path[] = "/tmp/kelvara-exists-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    EXPECT_TRUE(CFileUtilities::fileExists(CString(path)));
    EXPECT_FALSE(CFileUtilities::fileExists(CString(L"/tmp"))) << "a folder is not a file";
    std::remove(path);
    EXPECT_FALSE(CFileUtilities::fileExists(CString(path)));
    EXPECT_FALSE(CFileUtilities::fileExists(CString()));

    const auto before = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    const std::int64_t now = currentTimeMilliseconds();
    EXPECT_GE(now, before);
    EXPECT_LT(now - before, 5000);
    EXPECT_GT(now, 1600000000000);
}
