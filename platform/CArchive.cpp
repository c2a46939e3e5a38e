// The archive's byte forms (see CArchive.h): reads never pass the readable end, and narrow text
// is stored only in a form that reads back as the same text.
#include "kelvara/platform/CArchive.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <limits>

#include "kelvara/platform/CFile.h"

namespace {

constexpr std::size_t kInitialCapacity = 256;
constexpr std::size_t kClearAhead = std::size_t{1} << 20;
constexpr std::uint32_t kMaxStringLength = 0x7FFFFFFF;

std::string hexByte(unsigned v) {
    static const char* digits = "0123456789abcdef";
    std::string s = "0x";
    s += digits[(v >> 4) & 0xF];
    s += digits[v & 0xF];
    return s;
}

// How narrow text can be stored. Its bytes are UTF-8 (what CString(CStringA) reads), while the
// narrow form is read back as Latin-1: the two agree only on ASCII.
enum class NarrowText { ascii, utf8, invalid };

// Well-formed UTF-8 as the Unicode standard defines it: no overlong forms, no surrogates, nothing
// above U+10FFFF. Exactly the text that survives decoding and encoding again byte for byte.
NarrowText classifyNarrow(const std::string& bytes, std::size_t& badAt) {
    NarrowText kind = NarrowText::ascii;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        kind = NarrowText::utf8;
        std::size_t extra = 0;
        unsigned low = 0x80, high = 0xBF;  // range of the first continuation byte
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            if (b == 0xE0) low = 0xA0;   // overlong below U+0800
            if (b == 0xED) high = 0x9F;  // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            if (b == 0xF0) low = 0x90;   // overlong below U+10000
            if (b == 0xF4) high = 0x8F;  // above U+10FFFF
        }
        bool ok = extra > 0 && n - i > extra;
        for (std::size_t k = 1; ok && k <= extra; ++k) {
            const unsigned c = p[i + k];
            ok = k == 1 ? (c >= low && c <= high) : (c >= 0x80 && c <= 0xBF);
        }
        if (!ok) {
            badAt = i;
            return NarrowText::invalid;
        }
        i += extra + 1;
    }
    return kind;
}

}  // namespace

const char* CArchiveException::causeName(Cause cause) noexcept {
    switch (cause) {
        case none: return "none";
        case genericException: return "generic";
        case readOnly: return "read-only";
        case endOfFile: return "end of data";
        case writeOnly: return "write-only";
        case badIndex: return "bad count";
        case badClass: return "bad record";
        case badSchema: return "bad schema";
        case bufferFull: return "buffer full";
    }
    return "unknown";
}

CArchive::CArchive() : m_loading(false) {}

CArchive::CArchive(const void* data, std::size_t size)
    : m_loading(true), m_data(static_cast<const std::uint8_t*>(data)), m_size(size), m_limit(size) {
    if (!m_data) m_size = m_limit = 0;
}

CArchive::CArchive(std::vector<std::uint8_t> data) : m_loading(true), m_loadCopy(std::move(data)) {
    m_data = m_loadCopy.data();
    m_size = m_limit = m_loadCopy.size();
}

CArchive::CArchive(CFile* file, UINT mode) : m_loading(mode == load), m_file(file) {
    if (!m_loading) return;
    if (!file || !file->isOpen()) throw CFileException("archive: no open file to load from");
    const std::uint64_t length = file->GetLength();
    if (length > std::numeric_limits<UINT>::max()) throw CFileException("archive: file too large: " + file->GetFilePath());
    m_loadCopy.resize(static_cast<std::size_t>(length));
    if (length > 0 && file->Read(m_loadCopy.data(), static_cast<UINT>(length)) != length)
        throw CFileException("archive: short read: " + file->GetFilePath());
    m_data = m_loadCopy.data();
    m_size = m_limit = m_loadCopy.size();
}

CArchive::~CArchive() {
    // A file archive that was never closed keeps what was stored; errors cannot escape a destructor.
    if (m_file && !m_loading && !m_closed) {
        try {
            Flush();
        } catch (...) {
        }
    }
}

UINT CArchive::Read(void* buffer, UINT count) {
    if (!m_loading) fail(CArchiveException::writeOnly, "read from an archive that is storing");
    const std::size_t n = std::min<std::size_t>(count, m_limit - m_pos);
    if (n) std::memcpy(buffer, m_data + m_pos, n);
    m_pos += n;
    return static_cast<UINT>(n);
}

void CArchive::skip(std::size_t count) {
    if (!m_loading || count > m_limit - m_pos) failRead(count, "bytes to skip");
    m_pos += count;
}

void CArchive::Write(const void* buffer, UINT count) {
    if (m_loading) fail(CArchiveException::readOnly, "write to an archive that is loading");
    if (count) putRaw(buffer, count);
}

void CArchive::Flush() {
    if (m_loading || !m_file) return;
    if (m_size) m_file->Write(m_store.data(), static_cast<UINT>(m_size));
    std::vector<std::uint8_t>().swap(m_store);
    m_size = m_capacity = m_pos = 0;
}

void CArchive::Close() {
    if (m_closed) return;
    Flush();
    m_closed = true;
}

void CArchive::Abort(const std::string& why) {
    m_closed = true;
    fail(CArchiveException::badIndex, why);
}

void CArchive::fail(CArchiveException::Cause cause, const std::string& what) const { failAt(m_pos, cause, what); }

void CArchive::failAt(std::size_t at, CArchiveException::Cause cause, const std::string& what) const {
    std::string message = what + " at offset " + std::to_string(at);
    const std::string where = context();
    if (!where.empty()) message += " in " + where;
    throw CArchiveException(cause, message);
}

void CArchive::failRead(std::size_t n, const char* what) const {
    if (!m_loading) fail(CArchiveException::writeOnly, "read from an archive that is storing");
    fail(CArchiveException::endOfFile, std::string("expected ") + what + " (" + std::to_string(n) +
                                           " bytes), only " + std::to_string(m_limit - m_pos) + " remain");
}

void CArchive::grow(std::size_t need) {
    if (m_loading) fail(CArchiveException::readOnly, "write to an archive that is loading");
    // The vector's size is the writable capacity; the bytes past m_size are scratch. Only up to
    // kClearAhead bytes beyond what is needed are cleared at a time, so pages are touched just
    // before they are written. The allocation grows fourfold: moving the stored bytes to a bigger
    // buffer touches fresh memory, which is slow, and this keeps that to about a third of what is
    // stored (and leaves less freed memory behind for the allocator to give back and fault in
    // again). The spare capacity is address space only until it is written.
    constexpr std::size_t kLimit = std::numeric_limits<std::size_t>::max() / 8;
    if (need > kLimit || m_size > kLimit) throw std::bad_alloc();
    const std::size_t cap = m_size + need + std::clamp(m_size, kInitialCapacity, kClearAhead);
    if (m_store.capacity() < cap) m_store.reserve(std::max(cap, 4 * m_store.capacity()));
    m_store.resize(cap);
    m_capacity = cap;
}

void CArchive::patch(std::size_t at, const void* bytes, std::size_t count) {
    if (m_loading || at + count > m_size) fail(CArchiveException::genericException, "patch outside the stored bytes");
    std::memcpy(m_store.data() + at, bytes, count);
}

std::vector<std::uint8_t> CArchive::takeBuffer() {
    if (m_loading) return {};
    m_store.resize(m_size);  // shrinking keeps the allocation: nothing is copied
    std::vector<std::uint8_t> out = std::move(m_store);
    m_store = {};
    m_size = m_capacity = m_pos = 0;
    return out;
}

void CArchive::reuseBuffer(std::vector<std::uint8_t> buffer) {
    if (m_loading) fail(CArchiveException::readOnly, "reuse of a buffer by an archive that is loading");
    if (m_size) fail(CArchiveException::genericException, "reuse of a buffer after bytes were stored");
    // The old contents are the writable part (overwritten by what is stored); the capacity
    // beyond them is taken up as storing grows, without clearing it all at once.
    m_store = std::move(buffer);
    m_capacity = m_store.size();
}

int CArchive::readCount(const char* what, std::size_t minBytesEach) {
    int count = 0;
    getRaw(&count, 4, "32-bit element count");
    if (count < 0) Abort(std::string("negative count (") + std::to_string(count) + ") of " + what);
    if (minBytesEach && static_cast<std::size_t>(count) > remaining() / minBytesEach)
        fail(CArchiveException::badIndex, std::string("count ") + std::to_string(count) + " of " + what +
                                              " cannot fit in the " + std::to_string(remaining()) +
                                              " bytes that remain");
    return count;
}

CArchive& CArchive::operator>>(bool& v) {
    BYTE b = 0;
    getRaw(&b, 1, "boolean");
    if (b > 1) {
        m_pos -= 1;
        fail(CArchiveException::badSchema, "expected boolean (0 or 1), found " + hexByte(b));
    }
    v = b != 0;
    return *this;
}

// Wide text: the Unicode tag (byte 0xFF, word 0xFFFE), then the length in UTF-16 code units with
// the escalating prefix (byte; 0xFF then word; 0xFFFF then dword), then the code units.
CArchive& CArchive::operator<<(const CString& s) {
    std::vector<std::uint16_t> units;
    units.reserve(s.str().size());
    for (wchar_t wc : s.str()) {
        auto c = static_cast<std::uint32_t>(wc);
        if (c > 0x10FFFF) c = 0xFFFD;
        if (c >= 0x10000) {
            c -= 0x10000;
            units.push_back(static_cast<std::uint16_t>(0xD800 + (c >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            units.push_back(static_cast<std::uint16_t>(c));
        }
    }
    *this << BYTE(0xFF) << WORD(0xFFFE);
    const std::size_t n = units.size();
    if (n < 0xFF) {
        *this << static_cast<BYTE>(n);
    } else if (n < 0xFFFE) {
        *this << BYTE(0xFF) << static_cast<WORD>(n);
    } else {
        *this << BYTE(0xFF) << WORD(0xFFFF) << static_cast<DWORD>(n);
    }
    for (std::uint16_t u : units) *this << u;
    return *this;
}

// ASCII keeps the narrow form and its bytes. Other text would read back as different characters
// from the narrow form, so it is stored in the wide form, which both text readers take; bytes
// that are not UTF-8 have no text to keep and are refused before anything is written.
CArchive& CArchive::operator<<(const CStringA& s) {
    std::size_t badAt = 0;
    switch (classifyNarrow(s.str(), badAt)) {
        case NarrowText::ascii:
            break;
        case NarrowText::utf8:
            return *this << CString(s);
        case NarrowText::invalid:
            fail(CArchiveException::genericException,
                 "narrow text is not UTF-8 (byte " + hexByte(static_cast<unsigned char>(s.str()[badAt])) +
                     " at position " + std::to_string(badAt) + "): it cannot be stored without changing");
    }
    const std::size_t n = s.str().size();
    if (n < 0xFF) {
        *this << static_cast<BYTE>(n);
    } else if (n < 0xFFFE) {
        *this << BYTE(0xFF) << static_cast<WORD>(n);
    } else {
        *this << BYTE(0xFF) << WORD(0xFFFF) << static_cast<DWORD>(n);
    }
    if (n) putRaw(s.str().data(), n);
    return *this;
}

std::uint32_t CArchive::readStringLength(bool& wide) {
    wide = false;
    for (int tags = 0;; ++tags) {
        BYTE b = 0;
        getRaw(&b, 1, "text length");
        if (b < 0xFF) return b;
        WORD w = 0;
        getRaw(&w, 2, "text length");
        if (w == 0xFFFE) {
            if (tags > 0) fail(CArchiveException::badSchema, "repeated Unicode tag in text length");
            wide = true;
            continue;
        }
        if (w < 0xFFFF) return w;
        DWORD d = 0;
        getRaw(&d, 4, "text length");
        if (d == 0xFFFFFFFF) fail(CArchiveException::badSchema, "text longer than 4 GiB");
        return d;
    }
}

std::wstring CArchive::readText(std::uint32_t n, bool wide) {
    const std::size_t unitSize = wide ? 2 : 1;
    if (n > kMaxStringLength || n > remaining() / unitSize)
        fail(CArchiveException::endOfFile, "text of " + std::to_string(n) + " characters cannot fit in the " +
                                               std::to_string(remaining()) + " bytes that remain");
    std::wstring out;
    out.reserve(n);
    const std::uint8_t* p = m_data + m_pos;
    if (!wide) {
        for (std::uint32_t i = 0; i < n; ++i) out += static_cast<wchar_t>(p[i]);
        m_pos += n;
        return out;
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t u = p[2 * i] | (static_cast<std::uint32_t>(p[2 * i + 1]) << 8);
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < n) {
            const std::uint32_t lo = p[2 * i + 2] | (static_cast<std::uint32_t>(p[2 * i + 3]) << 8);
            if (lo >= 0xDC00 && lo < 0xE000) {
                out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00));
                ++i;
                continue;
            }
        }
        out += static_cast<wchar_t>(u);  // lone surrogates are kept as they are
    }
    m_pos += 2 * static_cast<std::size_t>(n);
    return out;
}

CArchive& CArchive::operator>>(CString& s) {
    bool wide = false;
    const std::uint32_t n = readStringLength(wide);
    s = CString(readText(n, wide));
    return *this;
}

CArchive& CArchive::operator>>(CStringA& s) {
    bool wide = false;
    const std::uint32_t n = readStringLength(wide);
    if (wide) {
        s = CStringA(CString(readText(n, true)));
        return *this;
    }
    if (n > remaining())
        fail(CArchiveException::endOfFile, "text of " + std::to_string(n) + " bytes cannot fit in the " +
                                               std::to_string(remaining()) + " bytes that remain");
    s = CStringA(std::string(reinterpret_cast<const char*>(m_data + m_pos), n));
    m_pos += n;
    return *this;
}
