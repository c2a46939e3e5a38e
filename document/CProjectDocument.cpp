// The project file (layout in CProjectDocument.h): loaded aside and checked before it is taken
// over, saved whole or not at all.
#include "kelvara/document/CProjectDocument.h"

#include <cstring>
#include <memory>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/AllKinds.h"
#include "kelvara/platform/CFile.h"
#include "kelvara/platform/CFile.h"
#include "kelvara/platform/SafeFileWriter.h"

namespace {

template <class T>
T readLittle(const std::uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class T>
void writeLittle(std::vector<std::uint8_t>& out, std::size_t at, T v) {
    std::memcpy(out.data() + at, &v, sizeof v);
}

[[noreturn]] void refuse(CArchiveException::Cause cause, const std::string& why) {
    throw CArchiveException(cause, "project file refused: " + why);
}

}  // namespace

struct CProjectDocument::Roots {
#define KELVARA_DOCUMENT_MEMBER(Thing, Identifier, Iteration, Role, Folder) KELVARA_IF_ROOT_##Role(C##Thing##Root m_##Thing;)
    KELVARA_KINDS(KELVARA_DOCUMENT_MEMBER)
#undef KELVARA_DOCUMENT_MEMBER
};

CProjectDocument::CProjectDocument() : m_roots(new Roots) {}
CProjectDocument::CProjectDocument(const CProjectDocument& other) : m_roots(new Roots(*other.m_roots)) {}
CProjectDocument& CProjectDocument::operator=(const CProjectDocument& other) {
    if (this != &other) {
        auto copy = std::make_unique<Roots>(*other.m_roots);
        delete m_roots;
        m_roots = copy.release();
    }
    return *this;
}
CProjectDocument::~CProjectDocument() { delete m_roots; }

#define KELVARA_DOCUMENT_ACCESSOR(Thing, Identifier, Iteration, Role, Folder)                        \
    KELVARA_IF_ROOT_##Role(                                                                          \
        C##Thing##Root& CProjectDocument::get##Thing##Root() { return m_roots->m_##Thing; }          \
        const C##Thing##Root& CProjectDocument::get##Thing##Root() const { return m_roots->m_##Thing; })
KELVARA_KINDS(KELVARA_DOCUMENT_ACCESSOR)
#undef KELVARA_DOCUMENT_ACCESSOR

void CProjectDocument::Serialize(CKelvaraArchive& ar) {
    ar.checkMarkerStart("Project");
#define KELVARA_DOCUMENT_SERIALIZE(Thing, Identifier, Iteration, Role, Folder) \
    KELVARA_IF_ROOT_##Role(ar.checkMarkerStart(#Thing "Root"); m_roots->m_##Thing.Serialize(ar); ar.checkMarkerEnd(#Thing "Root");)
    KELVARA_KINDS(KELVARA_DOCUMENT_SERIALIZE)
#undef KELVARA_DOCUMENT_SERIALIZE
    ar.checkMarkerEnd("Project");
}

std::vector<CProjectDocument::RootCount> CProjectDocument::counts() const {
    std::vector<RootCount> out;
#define KELVARA_DOCUMENT_COUNT(Thing, Identifier, Iteration, Role, Folder) \
    KELVARA_IF_ROOT_##Role(out.push_back({#Thing, m_roots->m_##Thing.getArray().GetSize()});)
    KELVARA_KINDS(KELVARA_DOCUMENT_COUNT)
#undef KELVARA_DOCUMENT_COUNT
    return out;
}

bool CProjectDocument::operator==(const CProjectDocument& other) const {
    bool equal = true;
#define KELVARA_DOCUMENT_EQUAL(Thing, Identifier, Iteration, Role, Folder) \
    KELVARA_IF_ROOT_##Role(equal = equal && m_roots->m_##Thing == other.m_roots->m_##Thing;)
    KELVARA_KINDS(KELVARA_DOCUMENT_EQUAL)
#undef KELVARA_DOCUMENT_EQUAL
    return equal;
}

std::uint64_t CProjectDocument::checksum(const std::uint8_t* data, std::size_t size) noexcept {
    std::uint64_t h = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ull;
    return h;
}

std::vector<std::uint8_t> CProjectDocument::save() {
    CKelvaraArchive ar;
    Serialize(ar);
    const std::uint8_t* content = ar.data();
    const std::size_t length = ar.size();
    std::vector<std::uint8_t> out(kHeaderSize + length);
    std::memcpy(out.data(), kMagic, sizeof kMagic);
    writeLittle<std::uint32_t>(out, 8, kFormatVersion);
    writeLittle<std::uint32_t>(out, 12, static_cast<std::uint32_t>(ar.fileVersion()));
    writeLittle<std::uint64_t>(out, 16, length);
    writeLittle<std::uint64_t>(out, 24, checksum(content, length));
    if (length) std::memcpy(out.data() + kHeaderSize, content, length);
    return out;
}

void CProjectDocument::saveFile(const std::string& path) {
    // Replaced whole or not at all: a full disk or a crash part-way leaves the previous file.
    CSafeFileWriter::replaceFile(path, save());
}

CProjectDocument::Header CProjectDocument::readHeader(const std::uint8_t* data, std::size_t size) {
    if (!data || size < kHeaderSize)
        refuse(CArchiveException::endOfFile, "expected a " + std::to_string(kHeaderSize) + "-byte header at offset 0, file has " +
                                                 std::to_string(size) + " bytes");
    if (std::memcmp(data, kMagic, sizeof kMagic) != 0)
        refuse(CArchiveException::badClass, "expected magic \"KELVARA\" at offset 0: not a project file");
    Header h;
    h.formatVersion = readLittle<std::uint32_t>(data + 8);
    h.fileVersion = readLittle<std::uint32_t>(data + 12);
    h.contentLength = readLittle<std::uint64_t>(data + 16);
    h.checksum = readLittle<std::uint64_t>(data + 24);
    if (h.formatVersion != kFormatVersion)
        refuse(CArchiveException::badSchema, "format version " + std::to_string(h.formatVersion) + " at offset 8, expected " +
                                                 std::to_string(kFormatVersion));
    if (h.fileVersion < static_cast<std::uint32_t>(kOldestFileVersion) ||
        h.fileVersion > static_cast<std::uint32_t>(CKelvaraArchive::kCurrentFileVersion))
        refuse(CArchiveException::badSchema, "file version " + std::to_string(h.fileVersion) + " at offset 12, expected " +
                                                 std::to_string(kOldestFileVersion) + " to " +
                                                 std::to_string(CKelvaraArchive::kCurrentFileVersion));
    if (h.contentLength != size - kHeaderSize)
        refuse(CArchiveException::endOfFile, "header at offset 16 declares " + std::to_string(h.contentLength) +
                                                 " content bytes, the file holds " + std::to_string(size - kHeaderSize));
    if (checksum(data + kHeaderSize, size - kHeaderSize) != h.checksum)
        refuse(CArchiveException::badSchema, "checksum of the content (offset 32 on) does not match the header: file damaged");
    return h;
}

void CProjectDocument::load(const std::uint8_t* data, std::size_t size) {
    const Header h = readHeader(data, size);
    // Offsets in messages count from the start of the file.
    CKelvaraArchive ar(data, size, static_cast<int>(h.fileVersion));
    ar.skip(kHeaderSize);
    CProjectDocument fresh;
    fresh.Serialize(ar);
    if (ar.remaining() != 0)
        ar.fail(CArchiveException::badSchema, std::to_string(ar.remaining()) + " unexpected bytes after the project record");
    std::swap(m_roots, fresh.m_roots);
}

void CProjectDocument::loadFile(const std::string& path) {
    CFile file(path.c_str(), CFile::modeRead);
    CArchive reader(&file, CArchive::load);
    load(reader.data(), reader.size());
}
