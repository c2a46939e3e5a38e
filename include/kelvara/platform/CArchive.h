// Binary archive over a memory buffer or a file: little-endian fixed widths, bounds-checked reads.
// Every read past the readable end raises CArchiveException naming the width, the open record
// and the byte offset; nothing is allocated for a length the remaining bytes cannot hold.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "kelvara/platform/CObject.h"
#include "kelvara/platform/CString.h"
#include "kelvara/platform/Exceptions.h"
#include "kelvara/platform/Types.h"

class CFile;

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1 };

    CArchive();                                        // stores into an owned memory buffer
    CArchive(const void* data, std::size_t size);      // loads from memory the caller keeps alive
    explicit CArchive(std::vector<std::uint8_t> data); // loads from an owned copy
    CArchive(CFile* file, UINT mode);                  // load: reads the whole file; store: written at Close
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    virtual ~CArchive();

    bool IsLoading() const noexcept { return m_loading; }
    bool IsStoring() const noexcept { return !m_loading; }

    UINT Read(void* buffer, UINT count);               // bytes read (fewer at the readable end)
    void skip(std::size_t count);                      // loading: passes over count bytes (checked)
    void Write(const void* buffer, UINT count);
    void Flush();                                      // file archives: writes what is stored so far
    void Close();
    // Gives up on a malformed archive: the archive is closed and CArchiveException raised.
    [[noreturn]] void Abort(const std::string& why = "archive aborted");

    CArchive& operator<<(bool v) { const BYTE b = v ? 1 : 0; return putRaw(&b, 1); }
    CArchive& operator<<(BYTE v) { return putRaw(&v, 1); }
    CArchive& operator<<(std::int16_t v) { return putRaw(&v, 2); }
    CArchive& operator<<(WORD v) { return putRaw(&v, 2); }
    CArchive& operator<<(int v) { return putRaw(&v, 4); }
    CArchive& operator<<(unsigned int v) { return putRaw(&v, 4); }
    CArchive& operator<<(std::int64_t v) { return putRaw(&v, 8); }
    CArchive& operator<<(std::uint64_t v) { return putRaw(&v, 8); }
    CArchive& operator<<(float v) { return putRaw(&v, 4); }
    CArchive& operator<<(double v) { return putRaw(&v, 8); }
    CArchive& operator<<(const CString& s);           // wide form: 0xFF, 0xFFFE tag, length, UTF-16LE
    // ASCII in the narrow form (length, bytes); other UTF-8 in the wide form, so that it reads
    // back unchanged as CString and as CStringA; bytes that are not UTF-8 are refused.
    CArchive& operator<<(const CStringA& s);
    // A text pointer would otherwise be stored as a bool: convert to CString or CStringA first.
    CArchive& operator<<(const char*) = delete;
    CArchive& operator<<(const wchar_t*) = delete;

    CArchive& operator>>(bool& v);                     // any byte other than 0 and 1 is a format error
    CArchive& operator>>(BYTE& v) { return getRaw(&v, 1, "byte"); }
    CArchive& operator>>(std::int16_t& v) { return getRaw(&v, 2, "16-bit integer"); }
    CArchive& operator>>(WORD& v) { return getRaw(&v, 2, "16-bit integer"); }
    CArchive& operator>>(int& v) { return getRaw(&v, 4, "32-bit integer"); }
    CArchive& operator>>(unsigned int& v) { return getRaw(&v, 4, "32-bit integer"); }
    CArchive& operator>>(std::int64_t& v) { return getRaw(&v, 8, "64-bit integer"); }
    CArchive& operator>>(std::uint64_t& v) { return getRaw(&v, 8, "64-bit integer"); }
    CArchive& operator>>(float& v) { return getRaw(&v, 4, "float"); }
    CArchive& operator>>(double& v) { return getRaw(&v, 8, "double"); }
    CArchive& operator>>(CString& s);                  // wide or narrow form
    CArchive& operator>>(CStringA& s);

    // Reads a 32-bit element count. Negative aborts; a count whose elements (each at least
    // minBytesEach long) cannot fit in what remains is refused before anything is allocated.
    int readCount(const char* what, std::size_t minBytesEach);

    std::size_t offset() const noexcept { return m_pos; }
    std::size_t readableEnd() const noexcept { return m_limit; }
    std::size_t remaining() const noexcept { return m_limit - m_pos; }
    std::size_t size() const noexcept { return m_size; }
    // Loading: the bytes being read; storing: the bytes written so far (valid until the next write).
    const std::uint8_t* data() const noexcept { return m_loading ? m_data : m_store.data(); }
    // Storing: hands over the bytes written so far without copying them (the vector may keep
    // spare capacity from the archive's growth) and leaves the archive empty.
    std::vector<std::uint8_t> takeBuffer();
    // Storing, before anything is written: writes into buffer's memory (its contents are dropped),
    // so an application that saves again and again reuses the pages of its previous save.
    void reuseBuffer(std::vector<std::uint8_t> buffer);

    // Throws CArchiveException with the offset and the open record (if any) in the message.
    [[noreturn]] void fail(CArchiveException::Cause cause, const std::string& what) const;
    [[noreturn]] void failAt(std::size_t at, CArchiveException::Cause cause, const std::string& what) const;

protected:
    void setReadableEnd(std::size_t end) noexcept { m_limit = end; }
    void patch(std::size_t at, const void* bytes, std::size_t count);
    virtual std::string context() const { return {}; }   // names the open record in messages

    CArchive& putRaw(const void* p, std::size_t n) {
        if (m_size + n > m_capacity) grow(n);
        std::memcpy(m_store.data() + m_size, p, n);
        m_size += n;
        m_pos = m_size;
        return *this;
    }
    CArchive& getRaw(void* p, std::size_t n, const char* what) {
        if (!m_loading || m_limit - m_pos < n) failRead(n, what);
        std::memcpy(p, m_data + m_pos, n);
        m_pos += n;
        return *this;
    }

private:
    void grow(std::size_t need);
    [[noreturn]] void failRead(std::size_t n, const char* what) const;
    std::uint32_t readStringLength(bool& wide);
    std::wstring readText(std::uint32_t n, bool wide);

    bool m_loading;
    bool m_closed = false;
    CFile* m_file = nullptr;
    std::vector<std::uint8_t> m_store;                     // storing: m_capacity bytes, m_size used
    std::vector<std::uint8_t> m_loadCopy;
    const std::uint8_t* m_data = nullptr;                  // loading: bytes being read
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;                            // storing: m_store.size()
    std::size_t m_pos = 0;
    std::size_t m_limit = 0;
};
