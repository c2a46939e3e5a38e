#include "kelvara/base/CKelvaraArchive.h"

#include "kelvara/base/CAssignmentSchemaChangeData.h"

#include <algorithm>
#include <cstring>

namespace {

std::string quoted(const char* s) { return std::string("\"") + (s ? s : "") + "\""; }

std::string printable(const std::uint8_t* p, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += (p[i] >= 0x20 && p[i] < 0x7F) ? static_cast<char>(p[i]) : '?';
    return s;
}

}  // namespace

CKelvaraArchive::CKelvaraArchive() : m_fileVersion(kCurrentFileVersion) {}

CKelvaraArchive::CKelvaraArchive(StoreAtVersion version) : m_fileVersion(version.fileVersion) {}

CKelvaraArchive::CKelvaraArchive(const void* data, std::size_t size, int fileVersion)
    : CArchive(data, size), m_fileVersion(fileVersion) {}

CKelvaraArchive::CKelvaraArchive(std::vector<std::uint8_t> data, int fileVersion)
    : CArchive(std::move(data)), m_fileVersion(fileVersion) {}

CKelvaraArchive::CKelvaraArchive(CFile* file, UINT mode, int fileVersion)
    : CArchive(file, mode), m_fileVersion(fileVersion) {}

CKelvaraArchive::~CKelvaraArchive() = default;

bool CKelvaraArchive::hasAssignmentSchemaChangeData() const {
    return m_assignmentChanges && !m_assignmentChanges->empty();
}

CAssignmentSchemaChangeData& CKelvaraArchive::getAssignmentSchemaChangeData() {
    if (!m_assignmentChanges) m_assignmentChanges = std::make_unique<CAssignmentSchemaChangeData>();
    return *m_assignmentChanges;
}

std::string CKelvaraArchive::context() const {
    if (m_open.empty()) return {};
    const OpenRecord& top = m_open.back();
    return "record " + quoted(top.name) + " (started at offset " + std::to_string(top.start) + ")";
}

void CKelvaraArchive::checkMarkerStart(const char* marker) {
    const std::size_t nameLength = marker ? std::strlen(marker) : 0;
    if (nameLength == 0 || nameLength > kMaxMarkerLength)
        fail(CArchiveException::genericException, "marker names must have 1 to 64 characters");
    if (depth() >= kMaxDepth)
        fail(CArchiveException::badSchema,
             "records nested deeper than " + std::to_string(kMaxDepth) + " at marker " + quoted(marker));
    const std::size_t start = offset();
    if (IsStoring()) {
        *this << kRecordStart << static_cast<BYTE>(nameLength);
        Write(marker, static_cast<UINT>(nameLength));
        const std::size_t lengthAt = offset();
        *this << static_cast<unsigned int>(0);
        m_open.push_back({marker, start, lengthAt, 0});
        return;
    }
    // Messages are built only on failure: this runs once per record loaded.
    const std::uint8_t* p = data() + start;
    const std::size_t available = remaining();
    if (available < 2 || p[0] != kRecordStart) {
        if (available == 0) fail(CArchiveException::endOfFile, "expected start of record " + quoted(marker) + ", found the end of the data");
        failAt(start, CArchiveException::badClass,
               "expected start of record " + quoted(marker) + ", found byte " + std::to_string(p[0]));
    }
    const std::size_t length = p[1];
    if (length != nameLength || available < 2 + length || std::memcmp(p + 2, marker, nameLength) != 0) {
        const std::size_t shown = std::min(length, available - 2);
        failAt(start, CArchiveException::badClass,
               "expected record " + quoted(marker) + ", found " + quoted(printable(p + 2, shown).c_str()));
    }
    if (available < 2 + length + 4)
        fail(CArchiveException::endOfFile, "expected the length of record " + quoted(marker) + ", only " +
                                               std::to_string(available) + " bytes remain");
    unsigned int bodyLength = 0;
    std::memcpy(&bodyLength, p + 2 + length, 4);
    skip(2 + length + 4);
    if (remaining() < 1 || bodyLength > remaining() - 1)
        fail(CArchiveException::endOfFile, "record " + quoted(marker) + " declares " + std::to_string(bodyLength) +
                                               " bytes, only " + std::to_string(remaining()) + " remain");
    const std::size_t bodyEnd = offset() + bodyLength;
    m_open.push_back({marker, start, bodyEnd, readableEnd()});
    setReadableEnd(bodyEnd);
}

void CKelvaraArchive::checkMarkerEnd(const char* marker) {
    if (m_open.empty() || std::strcmp(m_open.back().name, marker ? marker : "") != 0)
        fail(CArchiveException::genericException,
             "end of record " + quoted(marker) + " does not close the open record");
    const OpenRecord top = m_open.back();
    if (IsStoring()) {
        const auto bodyLength = static_cast<unsigned int>(offset() - (top.bodyEnd + 4));
        patch(top.bodyEnd, &bodyLength, 4);
        m_open.pop_back();
        *this << kRecordEnd;
        return;
    }
    if (offset() != top.bodyEnd)
        fail(CArchiveException::badSchema, "expected end of record " + quoted(marker) + " at offset " +
                                               std::to_string(top.bodyEnd) + ", reader stopped");
    m_open.pop_back();
    setReadableEnd(top.outerLimit);
    BYTE tag = 0;
    if (remaining() < 1) fail(CArchiveException::endOfFile, "expected end of record " + quoted(marker) + ", found the end of the data");
    getRaw(&tag, 1, "end of record tag");
    if (tag != kRecordEnd)
        fail(CArchiveException::badClass, "expected end of record " + quoted(marker) + ", found byte " +
                                              std::to_string(tag));
}
