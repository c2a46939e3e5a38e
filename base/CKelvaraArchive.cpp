#include "kelvara/base/CKelvaraArchive.h"

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

CKelvaraArchive::CKelvaraArchive(const void* data, std::size_t size, int fileVersion)
    : CArchive(data, size), m_fileVersion(fileVersion) {}

CKelvaraArchive::CKelvaraArchive(std::vector<std::uint8_t> data, int fileVersion)
    : CArchive(std::move(data)), m_fileVersion(fileVersion) {}

CKelvaraArchive::CKelvaraArchive(CFile* file, UINT mode, int fileVersion)
    : CArchive(file, mode), m_fileVersion(fileVersion) {}

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
    BYTE tag = 0;
    getRaw(&tag, 1, ("start of record " + quoted(marker)).c_str());
    if (tag != kRecordStart) {
        failAt(start, CArchiveException::badClass, "expected start of record " + quoted(marker) + ", found byte " +
                                              std::to_string(tag));
    }
    BYTE length = 0;
    getRaw(&length, 1, ("name of record " + quoted(marker)).c_str());
    std::uint8_t name[256];
    getRaw(name, length, ("name of record " + quoted(marker)).c_str());
    if (length != nameLength || std::memcmp(name, marker, nameLength) != 0) {
        failAt(start, CArchiveException::badClass,
             "expected record " + quoted(marker) + ", found " + quoted(printable(name, length).c_str()));
    }
    unsigned int bodyLength = 0;
    getRaw(&bodyLength, 4, ("length of record " + quoted(marker)).c_str());
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
    getRaw(&tag, 1, ("end of record " + quoted(marker)).c_str());
    if (tag != kRecordEnd)
        fail(CArchiveException::badClass, "expected end of record " + quoted(marker) + ", found byte " +
                                              std::to_string(tag));
}
