// A plain file opened for reading or writing; failures raise CFileException naming the path.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "kelvara/platform/Types.h"

class CFile {
public:
    enum OpenFlags : UINT { modeRead = 0x0, modeWrite = 0x1, modeReadWrite = 0x2, modeCreate = 0x1000 };

    CFile() = default;
    CFile(const char* path, UINT flags) { Open(path, flags); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile();

    void Open(const char* path, UINT flags);     // throws CFileException
    bool isOpen() const noexcept { return m_file != nullptr; }
    UINT Read(void* buffer, UINT count);          // bytes read, fewer at the end
    void Write(const void* buffer, UINT count);   // throws CFileException
    std::uint64_t GetLength() const;
    void Close() noexcept;
    const std::string& GetFilePath() const noexcept { return m_path; }

private:
    std::FILE* m_file = nullptr;
    std::string m_path;
};
