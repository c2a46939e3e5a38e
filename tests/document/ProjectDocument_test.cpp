// Project files: round trip of every root, the header, and all-or-nothing refusal of damaged files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "FileTesting.h"
#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/document/CProjectDocument.h"
#include "kelvara/AllKinds.h"
#include "kelvara/platform/Exceptions.h"

namespace {

CProjectDocument smallProject() {
    CProjectDocument project;
    CCode code;
    code.setName(CProjectString(L"Phase"));
    CCodeValue value;
    value.setID(CCodeValueID::generated());
    value.setName(CProjectString(L"Structure"));
    CCodeValue child;
    child.setID(CCodeValueID::generated());
    child.setName(CProjectString(L"Level 1"));
    value.insertSubCodeValue(-1, child);
    code.insertCodeValue(-1, value);
    project.getCodeRoot().getArray().Add(code);

    CTaskState state;
    state.setID(CTaskStateID::generated());
    state.setName(CProjectString(L"In progress"));
    project.getTaskStateRoot().getArray().Add(state);

    CCuttingPlane plane(CString(L"Section A"));
    plane.setID(CCuttingPlaneID::generated());
    CGraphicalTransform lift;
    lift.setAsTranslation(CGraphicalVector3D(0, 0, 4.5f));
    plane.setTransform(lift);
    project.getCuttingPlaneRoot().getArray().Add(plane);

    CPosition position(CString(L"Weekly view"));
    position.setID(CPositionID::generated());
    CCuttingPlaneIDArray cuts;
    cuts.Add(plane.getID());
    position.setCuttingPlaneIDs(cuts);
    project.getPositionRoot().getArray().Add(position);
    return project;
}

std::string refusal(CProjectDocument& target, const std::vector<std::uint8_t>& bytes) {
    try {
        target.load(bytes.data(), bytes.size());
    } catch (const CArchiveException& e) {
        return e.what();
    }
    return {};
}

TEST(ProjectDocument, SavesAndLoadsEveryRootWithAHeaderThatDescribesTheContent) {
    CProjectDocument project = smallProject();
    const std::vector<std::uint8_t> bytes = project.save();
    const auto header = CProjectDocument::readHeader(bytes.data(), bytes.size());
    EXPECT_EQ(header.formatVersion, CProjectDocument::kFormatVersion);
    EXPECT_EQ(header.fileVersion, static_cast<std::uint32_t>(CKelvaraArchive::kCurrentFileVersion));
    EXPECT_EQ(header.contentLength, bytes.size() - CProjectDocument::kHeaderSize);
    EXPECT_EQ(0, std::memcmp(bytes.data(), "KELVARA", 8));

    CProjectDocument loaded;
    loaded.load(bytes.data(), bytes.size());
    EXPECT_TRUE(loaded == project);
    EXPECT_EQ(loaded.getCodeRoot().getID(), project.getCodeRoot().getID());
    EXPECT_EQ(loaded.save(), bytes) << "saving is deterministic and loading loses nothing";

    int total = 0;
    for (const auto& c : loaded.counts()) total += c.count;
    EXPECT_EQ(total, 4);
    const auto codeValues = loaded.getCodeRoot().getArray().getConstReference(0).getCodeValues();
    ASSERT_EQ(codeValues.GetSize(), 1);
    EXPECT_EQ(codeValues[0]->getSubCodeValues().GetSize(), 1);
}

TEST(ProjectDocument, CopiesAreDeepAndIndependent) {
    CProjectDocument project = smallProject();
    CProjectDocument copy(project);
    EXPECT_TRUE(copy == project);
    copy.getTaskStateRoot().getArray().RemoveAll();
    EXPECT_TRUE(copy != project);
    EXPECT_EQ(project.getTaskStateRoot().getArray().GetSize(), 1);
    copy = project;
    EXPECT_TRUE(copy == project);
    const CProjectDocument& same = copy;
    copy = same;
    EXPECT_TRUE(copy == project);
}

TEST(ProjectDocument, DamagedFilesAreRefusedAndLeaveTheDocumentUnchanged) {
    const std::vector<std::uint8_t> good = smallProject().save();
    CProjectDocument target = smallProject();
    const CProjectDocument before(target);

    auto flipped = good;
    flipped[good.size() - 3] ^= 0x40;
    EXPECT_NE(refusal(target, flipped).find("checksum"), std::string::npos);

    auto cut = good;
    cut.pop_back();
    EXPECT_NE(refusal(target, cut).find("content bytes"), std::string::npos);

    auto foreign = good;
    foreign[0] = 'X';
    EXPECT_NE(refusal(target, foreign).find("magic"), std::string::npos);

    auto future = good;
    const std::uint32_t tooNew = CKelvaraArchive::kCurrentFileVersion + 1;
    std::memcpy(future.data() + 12, &tooNew, 4);
    EXPECT_NE(refusal(target, future).find("file version"), std::string::npos);

    auto layout = good;
    layout[8] = 9;
    EXPECT_NE(refusal(target, layout).find("format version"), std::string::npos);

    EXPECT_NE(refusal(target, std::vector<std::uint8_t>(good.begin(), good.begin() + 10)).find("header"),
              std::string::npos);
    EXPECT_TRUE(target == before);
}

// Content that passes the checksum but breaks a record deep inside is refused by the record
// reader, with the offset counted from the start of the file, and nothing is loaded.
TEST(ProjectDocument, ARecordBrokenBehindAValidChecksumIsRefusedWithItsFileOffset) {
    std::vector<std::uint8_t> bytes = smallProject().save();
    const std::string marker = "TaskStateRoot";
    const auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    ASSERT_NE(at, bytes.end());
    const std::size_t nameAt = static_cast<std::size_t>(at - bytes.begin());
    bytes[nameAt] = 'X';  // the record's name no longer matches
    const std::uint64_t length = bytes.size() - CProjectDocument::kHeaderSize;
    const std::uint64_t sum = CProjectDocument::checksum(bytes.data() + CProjectDocument::kHeaderSize, length);
    std::memcpy(bytes.data() + 24, &sum, 8);

    CProjectDocument target;
    const CProjectDocument before = target;
    const std::string message = refusal(target, bytes);
    EXPECT_NE(message.find("TaskStateRoot"), std::string::npos) << message;
    EXPECT_NE(message.find("offset " + std::to_string(nameAt - 2)), std::string::npos) << message;
    EXPECT_TRUE(target == before);  // the roots read before the damage were not taken over
}

TEST(ProjectDocument, FilesOnDiskRoundTrip) {
    CProjectDocument project = smallProject();
    const std::string path = ::testing::TempDir() + "kelvara-document-test.kvp";
    project.saveFile(path);
    CProjectDocument loaded;
    loaded.loadFile(path);
    EXPECT_TRUE(loaded == project);
    std::remove(path.c_str());
    EXPECT_THROW(loaded.loadFile(path), CFileException);
    EXPECT_TRUE(loaded == project);
}

// A save that cannot finish (here: the file-size limit stops it) leaves the previous file as it
// was, loadable, with no temporary file beside it.
TEST(ProjectDocument, AFailedSaveLeavesThePreviousFile) {
    kelvara::test::TemporaryFolder dir;
    const std::string path = dir / "site.kvp";
    CProjectDocument project = smallProject();
    project.saveFile(path);
    const std::vector<std::uint8_t> previous = kelvara::test::readBytes(path);
    const CProjectDocument saved = project;

    CTaskState extra;
    extra.setID(CTaskStateID::generated());
    extra.setName(CProjectString(std::wstring(2000, L'x')));
    project.getTaskStateRoot().getArray().Add(extra);
    for (rlim_t limit : {rlim_t{0}, rlim_t{40}, static_cast<rlim_t>(previous.size())}) {
        bool refused = false;
        try {
            kelvara::test::FileSizeLimit fileSize(limit);
            project.saveFile(path);
        } catch (const CFileException& e) {
            refused = e.error() == EFBIG;
        }
        EXPECT_TRUE(refused) << limit;
        EXPECT_EQ(kelvara::test::readBytes(path), previous) << limit;
        EXPECT_EQ(dir.names(), std::set<std::string>{"site.kvp"}) << limit;
    }
    CProjectDocument loaded;
    loaded.loadFile(path);
    EXPECT_TRUE(loaded == saved);

    project.saveFile(path);
    loaded.loadFile(path);
    EXPECT_TRUE(loaded == project);
}

TEST(ProjectDocument, SavingFollowsLinksAndRefusesAMissingFolder) {
    kelvara::test::TemporaryFolder dir;
    ASSERT_EQ(::symlink("real.kvp", (dir / "link.kvp").c_str()), 0);
    CProjectDocument project = smallProject();
    project.saveFile(dir / "link.kvp");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"link.kvp", "real.kvp"}));
    char text[64] = {};
    ASSERT_EQ(::readlink((dir / "link.kvp").c_str(), text, sizeof text - 1), 8);
    EXPECT_STREQ(text, "real.kvp") << "the link is kept";
    CProjectDocument loaded;
    loaded.loadFile(dir / "real.kvp");
    EXPECT_TRUE(loaded == project);

    EXPECT_THROW(project.saveFile(dir / "missing/site.kvp"), CFileException);
    EXPECT_THROW(project.saveFile(dir / "real.kvp/site.kvp"), CFileException);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"link.kvp", "real.kvp"}));
}

}  // namespace
