// A whole project: one root of every root kind, saved as one project file.
//
// File layout (little-endian):
//   offset 0   8 bytes  magic "KELVARA\0"
//   offset 8   u32      format version of this layout (kFormatVersion)
//   offset 12  u32      file version the records were written at (CKelvaraArchive::fileVersion)
//   offset 16  u64      content length in bytes
//   offset 24  u64      FNV-1a 64-bit checksum of the content
//   offset 32  content: record "Project" holding, per root kind, record "<Thing>Root"
// Loading checks the header and the checksum before reading any record and builds the project
// aside, so a damaged file is refused with CArchiveException and the document is left unchanged.
// Saving to a file goes through a temporary file renamed over the target, so a failed save leaves
// the previous file as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kelvara/base/KindRegistry.h"

class CKelvaraArchive;

// The document holds one root of every ROOT kind of the registry, stored in registry order.
#define KELVARA_DOCUMENT_FORWARD(Thing, Identifier, Iteration, Role, Folder) KELVARA_IF_ROOT_##Role(class C##Thing##Root;)
KELVARA_KINDS(KELVARA_DOCUMENT_FORWARD)
#undef KELVARA_DOCUMENT_FORWARD

class CProjectDocument {
public:
    static constexpr char kMagic[8] = {'K', 'E', 'L', 'V', 'A', 'R', 'A', '\0'};
    static constexpr std::uint32_t kFormatVersion = 1;
    static constexpr std::size_t kHeaderSize = 32;
    static constexpr int kOldestFileVersion = 1;

    struct Header {
        std::uint32_t formatVersion = kFormatVersion;
        std::uint32_t fileVersion = 0;
        std::uint64_t contentLength = 0;
        std::uint64_t checksum = 0;
    };
    struct RootCount {
        const char* kind;
        int count;
    };

    CProjectDocument();
    CProjectDocument(const CProjectDocument& other);
    CProjectDocument& operator=(const CProjectDocument& other);
    ~CProjectDocument();

#define KELVARA_DOCUMENT_ACCESSOR(Thing, Identifier, Iteration, Role, Folder) \
    KELVARA_IF_ROOT_##Role(C##Thing##Root& get##Thing##Root(); const C##Thing##Root& get##Thing##Root() const;)
    KELVARA_KINDS(KELVARA_DOCUMENT_ACCESSOR)
#undef KELVARA_DOCUMENT_ACCESSOR

    std::vector<std::uint8_t> save();
    // Replaces the file whole or not at all (see CSafeFileWriter); throws CFileException.
    void saveFile(const std::string& path);
    void load(const std::uint8_t* data, std::size_t size);   // throws CArchiveException
    void loadFile(const std::string& path);                  // also CFileException

    // Checks magic, versions, length and checksum; throws CArchiveException naming what is wrong.
    static Header readHeader(const std::uint8_t* data, std::size_t size);
    static std::uint64_t checksum(const std::uint8_t* data, std::size_t size) noexcept;

    std::vector<RootCount> counts() const;
    bool operator==(const CProjectDocument& other) const;
    bool operator!=(const CProjectDocument& other) const { return !(*this == other); }
    void Serialize(CKelvaraArchive& ar);   // the "Project" record

private:
    struct Roots;
    Roots* m_roots;
};
