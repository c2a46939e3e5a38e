#include "Walk.h"

#include <cstring>
#include <string>

#include <fmt/format.h>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/document/CProjectDocument.h"

namespace {

constexpr int kShownSiblings = 4;

struct Record {
    std::string name;
    std::size_t start = 0;      // offset of the start tag
    std::size_t body = 0;       // offset of the body
    std::uint32_t length = 0;   // body length
    std::size_t end() const { return body + length + 1; }   // just past the end tag
};

bool nameChar(std::uint8_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// A record starts at pos when the start tag is well formed and its end tag stands exactly where
// the declared length puts it, inside [pos, end).
bool recordAt(const std::vector<std::uint8_t>& b, std::size_t pos, std::size_t end, Record& r) {
    if (pos + 2 > end || b[pos] != CKelvaraArchive::kRecordStart) return false;
    const std::size_t n = b[pos + 1];
    if (n == 0 || n > CKelvaraArchive::kMaxMarkerLength || pos + 2 + n + 4 > end) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!nameChar(b[pos + 2 + i])) return false;
    std::uint32_t length = 0;
    std::memcpy(&length, b.data() + pos + 2 + n, 4);
    const std::size_t body = pos + 2 + n + 4;
    if (length >= end - body || b[body + length] != CKelvaraArchive::kRecordEnd) return false;
    r.name.assign(reinterpret_cast<const char*>(b.data() + pos + 2), n);
    r.start = pos;
    r.body = body;
    r.length = length;
    return true;
}

class Walker {
public:
    Walker(const std::vector<std::uint8_t>& bytes, const WalkOptions& options, std::FILE* out)
        : m_bytes(bytes), m_options(options), m_out(out) {}

    // The top level must be a sequence of records; inside a record, records are found among data.
    void top(std::size_t begin) {
        std::size_t pos = begin;
        if (pos >= m_bytes.size()) throw CArchiveException(CArchiveException::endOfFile, "expected a record at offset " + std::to_string(pos) + ", found the end of the file");
        while (pos < m_bytes.size()) {
            Record r;
            if (!recordAt(m_bytes, pos, m_bytes.size(), r))
                throw CArchiveException(CArchiveException::badClass,
                                        "expected the start of a record at offset " + std::to_string(pos) +
                                            " (a '{' tag, a name and a length whose end tag is in the file)");
            print(r, 0);
            inner(r.body, r.body + r.length, 1);
            pos = r.end();
        }
    }

private:
    void inner(std::size_t begin, std::size_t end, int depth) {
        if (depth > m_options.maxDepth) {
            line(depth, fmt::format("... deeper records not shown (depth limit {})", m_options.maxDepth));
            return;
        }
        std::size_t pos = begin;
        std::string runName;
        int run = 0, hidden = 0;
        std::size_t hiddenBytes = 0;
        auto flushHidden = [&] {
            if (hidden) line(depth, fmt::format("... {} more \"{}\" records ({} bytes)", hidden, runName, hiddenBytes));
            hidden = 0;
            hiddenBytes = 0;
        };
        while (pos < end) {
            Record r;
            if (!recordAt(m_bytes, pos, end, r)) {  // plain data: look for a record at the next byte
                ++pos;
                continue;
            }
            if (r.name == runName) ++run;
            else {
                flushHidden();
                runName = r.name;
                run = 1;
            }
            if (!m_options.all && run > kShownSiblings) {
                ++hidden;
                hiddenBytes += r.end() - r.start;
            } else {
                print(r, depth);
                inner(r.body, r.body + r.length, depth + 1);
            }
            pos = r.end();
        }
        flushHidden();
    }
    void print(const Record& r, int depth) {
        line(depth, fmt::format("\"{}\" at {} (body {} bytes)", r.name, r.start, r.length));
    }
    void line(int depth, const std::string& text) {
        std::fprintf(m_out, "%*s%s\n", depth * 2, "", text.c_str());
    }

    const std::vector<std::uint8_t>& m_bytes;
    const WalkOptions& m_options;
    std::FILE* m_out;
};

}  // namespace

void walkArchive(const std::vector<std::uint8_t>& bytes, const WalkOptions& options, std::FILE* out) {
    std::size_t begin = 0;
    if (bytes.size() >= sizeof CProjectDocument::kMagic &&
        std::memcmp(bytes.data(), CProjectDocument::kMagic, sizeof CProjectDocument::kMagic) == 0) {
        const auto h = CProjectDocument::readHeader(bytes.data(), bytes.size());
        std::fprintf(out, "project file: format %u, file version %u, %llu content bytes, checksum %016llx\n",
                     h.formatVersion, h.fileVersion, static_cast<unsigned long long>(h.contentLength),
                     static_cast<unsigned long long>(h.checksum));
        begin = CProjectDocument::kHeaderSize;
    }
    Walker(bytes, options, out).top(begin);
}
