// Replacing files: whatever fails, the previous file keeps every byte and no temporary file stays
// behind; permissions, links and refused folders.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "FileTesting.h"
#include "kelvara/platform/Exceptions.h"
#include "kelvara/platform/SafeFileWriter.h"

namespace {

using kelvara::test::FileSizeLimit;
using kelvara::test::readBytes;
using kelvara::test::TemporaryFolder;
using kelvara::test::writeBytes;
using Bytes = std::vector<std::uint8_t>;
using Names = std::set<std::string>;
using Step = CSafeFileWriter::Step;

Bytes pattern(std::size_t size, std::uint8_t seed) {
    Bytes out(size);
    for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(seed + i * 7 + (i >> 8));
    return out;
}

// The exception a replacement raises, or a failed test when there is none.
template <class Action>
CFileException failureOf(Action&& action) {
    try {
        action();
    } catch (const CFileException& e) {
        return e;
    }
    ADD_FAILURE() << "no CFileException";
    return CFileException("none");
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

unsigned modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

class Umask {
public:
    explicit Umask(mode_t mask) : m_saved(::umask(mask)) {}
    ~Umask() { ::umask(m_saved); }

private:
    mode_t m_saved;
};

}  // namespace

TEST(SafeFileWriter, ReplacesOrCreatesTheWholeContentAndLeavesNothingElse) {
    TemporaryFolder dir;
    const std::string target = dir / "project.kvp";
    writeBytes(target, pattern(5000, 1));
    CSafeFileWriter::replaceFile(target, pattern(300, 2));
    EXPECT_EQ(readBytes(target), pattern(300, 2)) << "shorter content leaves no tail of the old";
    CSafeFileWriter::replaceFile(target, Bytes{});
    EXPECT_TRUE(readBytes(target).empty());

    // Written in pieces through one writer.
    const std::string fresh = dir / "new.kvp";
    {
        CSafeFileWriter writer(fresh);
        EXPECT_TRUE(contains(writer.temporaryPath(), dir / "new.kvp.tmp-"));
        const Bytes all = pattern(70000, 3);
        writer.write(all.data(), 1);
        writer.write(all.data() + 1, all.size() - 1);
        writer.commit();
        EXPECT_THROW(writer.write(all), CFileException) << "a committed writer takes no more bytes";
    }
    EXPECT_EQ(readBytes(fresh), pattern(70000, 3));
    EXPECT_EQ(dir.names(), (Names{"new.kvp", "project.kvp"}));

    // A writer given up before commit leaves the target as it was.
    {
        CSafeFileWriter writer(target);
        writer.write(pattern(10, 4));
    }
    EXPECT_TRUE(readBytes(target).empty());
    EXPECT_EQ(dir.names(), (Names{"new.kvp", "project.kvp"}));

    // A name without a folder is in the working folder.
    const std::string working = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    CSafeFileWriter::replaceFile("new.kvp", pattern(7, 5));
    ASSERT_EQ(::chdir(working.c_str()), 0);
    EXPECT_EQ(readBytes(fresh), pattern(7, 5));
    EXPECT_EQ(dir.names(), (Names{"new.kvp", "project.kvp"}));
}

// A real short write: the file-size limit stops the temporary file at every interesting length.
TEST(SafeFileWriter, AWriteThatFailsAnywhereLeavesThePreviousFileWhole) {
    TemporaryFolder dir;
    const std::string target = dir / "project.kvp";
    const Bytes previous = pattern(9000, 5);
    const Bytes next = pattern(20000, 6);
    writeBytes(target, previous);
    for (rlim_t limit : {0, 1, 511, 4095, 4096, 4097, 9000, 12345, 19999}) {
        const CFileException e = failureOf([&] {
            FileSizeLimit fileSize(limit);  // ends before anything is reported
            CSafeFileWriter::replaceFile(target, next);
        });
        EXPECT_EQ(e.error(), EFBIG) << limit;
        EXPECT_TRUE(contains(e.what(), target)) << e.what();
        EXPECT_TRUE(contains(e.what(), std::strerror(EFBIG))) << e.what();
        EXPECT_EQ(readBytes(target), previous) << limit;
        EXPECT_EQ(dir.names(), Names{"project.kvp"}) << limit;
    }
    EXPECT_EQ(failureOf([&] {
                  FileSizeLimit fileSize(100);
                  CSafeFileWriter::replaceFile(dir / "none-before.kvp", next);
              }).error(),
              EFBIG);
    EXPECT_EQ(dir.names(), Names{"project.kvp"}) << "a new file that failed is not created at all";
}

TEST(SafeFileWriter, EveryStepThatFailsBeforeTheRenameLeavesThePreviousFile) {
    TemporaryFolder dir;
    const std::string target = dir / "project.kvp";
    const Bytes previous = pattern(2000, 7);
    writeBytes(target, previous);
    ::chmod(target.c_str(), 0640);  // so that the permission step runs

    const std::vector<Step> steps = {Step::createTemporary, Step::write,     Step::setPermissions,
                                     Step::syncFile,        Step::closeFile, Step::rename};
    for (Step failing : steps) {
        for (int nth : {1, 3}) {
            if (nth > 1 && failing != Step::write) continue;  // the other steps run once
            int seen = 0;
            auto faults = [&](Step step) { return step == failing && ++seen == nth ? EIO : 0; };
            bool replaced = false;
            const CFileException e = failureOf([&] {
                CSafeFileWriter writer(target, faults);
                try {
                    for (int piece = 0; piece < 4; ++piece) writer.write(pattern(500, static_cast<std::uint8_t>(piece)));
                    writer.commit();
                } catch (...) {
                    replaced = writer.replaced();
                    throw;
                }
            });
            EXPECT_FALSE(replaced) << static_cast<int>(failing);
            EXPECT_EQ(e.error(), EIO) << static_cast<int>(failing) << " " << nth;
            EXPECT_TRUE(contains(e.what(), target)) << e.what();
            EXPECT_EQ(readBytes(target), previous) << static_cast<int>(failing);
            EXPECT_EQ(dir.names(), Names{"project.kvp"}) << static_cast<int>(failing);
            EXPECT_EQ(modeOf(target), 0640u);
        }
    }

    // Interrupted calls are asked again, and a name already taken is passed over.
    std::vector<int> creates = {EEXIST, EINTR}, writes = {EINTR, EINTR}, syncs = {EINTR};
    auto once = [](std::vector<int>& answers) {
        if (answers.empty()) return 0;
        const int error = answers.back();
        answers.pop_back();
        return error;
    };
    auto interrupted = [&](Step step) {
        if (step == Step::createTemporary) return once(creates);
        if (step == Step::write) return once(writes);
        if (step == Step::syncFile) return once(syncs);
        return 0;
    };
    {
        CSafeFileWriter writer(target, interrupted);
        writer.write(pattern(100, 8));
        writer.commit();
    }
    EXPECT_TRUE(creates.empty() && writes.empty() && syncs.empty());
    EXPECT_EQ(readBytes(target), pattern(100, 8));
    EXPECT_EQ(dir.names(), Names{"project.kvp"});
}

// Once renamed, the new content is the file's: a failure to flush the folder says so.
TEST(SafeFileWriter, AFolderThatCannotBeFlushedIsReportedWithTheNewContentInPlace) {
    TemporaryFolder dir;
    const std::string target = dir / "project.kvp";
    writeBytes(target, pattern(50, 9));
    bool replaced = false;
    const CFileException e = failureOf([&] {
        CSafeFileWriter writer(target, [](Step step) { return step == Step::syncFolder ? EIO : 0; });
        writer.write(pattern(60, 10));
        try {
            writer.commit();
        } catch (...) {
            replaced = writer.replaced();
            throw;
        }
    });
    EXPECT_TRUE(replaced) << "the writer tells a caller that the content is in place";
    EXPECT_EQ(e.error(), EIO);
    EXPECT_TRUE(contains(e.what(), "in place")) << e.what();
    EXPECT_EQ(readBytes(target), pattern(60, 10));
    EXPECT_EQ(dir.names(), Names{"project.kvp"});

    // A file system that cannot flush folders at all is no failure.
    CSafeFileWriter writer(target, [](Step step) { return step == Step::syncFolder ? EINVAL : 0; });
    writer.commit();
    EXPECT_TRUE(readBytes(target).empty());
}

TEST(SafeFileWriter, KeepsTheTargetsPermissionsAndGivesNewFilesTheUmasks) {
    TemporaryFolder dir;
    const std::string target = dir / "project.kvp";
    for (unsigned mode : {0600u, 0640u, 0604u, 0755u, 0660u}) {
        writeBytes(target, pattern(10, 11));
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        CSafeFileWriter::replaceFile(target, pattern(20, 12));
        EXPECT_EQ(modeOf(target), mode);
    }
    for (mode_t mask : {mode_t{022}, mode_t{027}, mode_t{077}, mode_t{0}}) {
        const std::string fresh = dir / ("fresh-" + std::to_string(mask));
        {
            Umask umask(mask);
            CSafeFileWriter::replaceFile(fresh, pattern(5, 13));
        }
        EXPECT_EQ(modeOf(fresh), 0666u & ~static_cast<unsigned>(mask)) << mask;
    }
}

TEST(SafeFileWriter, ALinkIsFollowedToTheFileItNamesAndStaysALink) {
    TemporaryFolder dir;
    ASSERT_EQ(::mkdir((dir / "real").c_str(), 0755), 0);
    const std::string real = dir / "real/project.kvp";
    writeBytes(real, pattern(100, 14));
    ASSERT_EQ(::symlink("real/project.kvp", (dir / "relative.kvp").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "relative.kvp").c_str(), (dir / "chained.kvp").c_str()), 0);

    CSafeFileWriter writer(dir / "chained.kvp");
    EXPECT_EQ(writer.target(), dir / "real/project.kvp");
    EXPECT_TRUE(contains(writer.temporaryPath(), dir / "real/project.kvp.tmp-")) << "beside the real file";
    writer.write(pattern(200, 15));
    writer.commit();

    EXPECT_EQ(readBytes(real), pattern(200, 15));
    for (const char* link : {"relative.kvp", "chained.kvp"}) {
        struct stat st {};
        ASSERT_EQ(::lstat((dir / link).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode)) << link;
    }
    EXPECT_EQ(dir.names(), (Names{"chained.kvp", "real", "relative.kvp"}));
    EXPECT_EQ(TemporaryFolder::namesIn(dir / "real"), Names{"project.kvp"});

    // A link to a file not yet there creates that file.
    ASSERT_EQ(::symlink("real/later.kvp", (dir / "dangling.kvp").c_str()), 0);
    CSafeFileWriter::replaceFile(dir / "dangling.kvp", pattern(3, 16));
    EXPECT_EQ(readBytes(dir / "real/later.kvp"), pattern(3, 16));

    ASSERT_EQ(::symlink("loop-b", (dir / "loop-a").c_str()), 0);
    ASSERT_EQ(::symlink("loop-a", (dir / "loop-b").c_str()), 0);
    EXPECT_EQ(failureOf([&] { CSafeFileWriter::replaceFile(dir / "loop-a", Bytes{1}); }).error(), ELOOP);
}

TEST(SafeFileWriter, RefusesFoldersThatAreMissingOrFilesAndTargetsThatAreNotFiles) {
    TemporaryFolder dir;
    const std::string file = dir / "plain.txt";
    writeBytes(file, pattern(30, 17));

    CFileException e = failureOf([&] { CSafeFileWriter::replaceFile(dir / "missing/project.kvp", Bytes{1}); });
    EXPECT_EQ(e.error(), ENOENT);
    EXPECT_TRUE(contains(e.what(), dir / "missing") && contains(e.what(), "does not exist")) << e.what();

    e = failureOf([&] { CSafeFileWriter::replaceFile(dir / "plain.txt/project.kvp", Bytes{1}); });
    EXPECT_EQ(e.error(), ENOTDIR);
    EXPECT_TRUE(contains(e.what(), "plain.txt") && contains(e.what(), "not a folder")) << e.what();
    e = failureOf([&] { CSafeFileWriter::replaceFile(dir / "plain.txt/deeper/project.kvp", Bytes{1}); });
    EXPECT_EQ(e.error(), ENOTDIR);

    for (const std::string& folder : {dir.path(), dir.path() + "/", dir / "."}) {
        e = failureOf([&] { CSafeFileWriter::replaceFile(folder, Bytes{1}); });
        EXPECT_EQ(e.error(), EISDIR) << folder;
    }
    EXPECT_EQ(failureOf([] { CSafeFileWriter::replaceFile("", Bytes{1}); }).error(), EINVAL);

    EXPECT_EQ(readBytes(file), pattern(30, 17));
    EXPECT_EQ(dir.names(), Names{"plain.txt"});
}

TEST(SafeFileWriter, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write any file";
    TemporaryFolder dir;
    const std::string target = dir / "project.kvp";
    writeBytes(target, pattern(40, 18));
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    EXPECT_EQ(failureOf([&] { CSafeFileWriter::replaceFile(target, Bytes{1}); }).error(), EACCES);
    EXPECT_EQ(readBytes(target), pattern(40, 18));
    EXPECT_EQ(dir.names(), Names{"project.kvp"});
}
