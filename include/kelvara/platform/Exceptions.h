// The only exceptions in the system: malformed archive input, misuse of the platform's containers,
// and files that cannot be read or written.
#pragma once

#include <stdexcept>
#include <string>

class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
        bufferFull,
    };

    CArchiveException(Cause cause, const std::string& message)
        : std::runtime_error(message), m_cause(cause) {}

    Cause cause() const noexcept { return m_cause; }
    static const char* causeName(Cause cause) noexcept;

private:
    Cause m_cause;
};

class CInvalidArgException : public std::invalid_argument {
public:
    explicit CInvalidArgException(const std::string& message) : std::invalid_argument(message) {}
};

class CFileException : public std::runtime_error {
public:
    explicit CFileException(const std::string& message, int error = 0) : std::runtime_error(message), m_error(error) {}

    // The system's errno behind the failure (ENOSPC, EACCES, ...), 0 when there is none.
    int error() const noexcept { return m_error; }

private:
    int m_error;
};
