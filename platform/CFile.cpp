// Plain files over stdio; every failure raises CFileException with the path and the reason.
#include "kelvara/platform/CFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "kelvara/platform/Exceptions.h"

CFile::~CFile() { Close(); }

void CFile::Open(const char* path, UINT flags) {
    Close();
    m_path = path ? path : "";
    const char* mode = "rb";
    if (flags & modeCreate) mode = (flags & modeReadWrite) ? "w+b" : "wb";
    else if (flags & modeReadWrite) mode = "r+b";
    else if (flags & modeWrite) mode = "r+b";
    m_file = std::fopen(m_path.c_str(), mode);
    if (!m_file) {
        const int error = errno;
        throw CFileException("cannot open " + m_path + ": " + std::strerror(error), error);
    }
}

UINT CFile::Read(void* buffer, UINT count) {
    if (!m_file) throw CFileException("read from a closed file");
    return static_cast<UINT>(std::fread(buffer, 1, count, m_file));
}

void CFile::Write(const void* buffer, UINT count) {
    if (!m_file) throw CFileException("write to a closed file");
    if (count && std::fwrite(buffer, 1, count, m_file) != count) {
        const int error = errno;
        throw CFileException("cannot write " + m_path + ": " + std::strerror(error), error);
    }
}

std::uint64_t CFile::GetLength() const {
    if (!m_file) throw CFileException("length of a closed file");
    struct stat st {};
    if (fstat(fileno(m_file), &st) != 0) throw CFileException("cannot stat " + m_path);
    return static_cast<std::uint64_t>(st.st_size);
}

void CFile::Close() noexcept {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}
