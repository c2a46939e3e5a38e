// Replaces a file so that it holds either its previous bytes or all of the new ones, never a mix:
// the bytes go to a temporary file in the target's folder, which is flushed to disk and renamed
// over the target only once complete. Any failure raises CFileException naming the path and the
// system's reason, removes the temporary file and leaves the previous target untouched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CSafeFileWriter {
public:
    // The system calls a replacement makes, in order; named so that tests can make any one fail.
    enum class Step { createTemporary, write, syncFile, setPermissions, closeFile, rename, syncFolder };
    // Answers the errno to fail the step with, or 0 to let it run. For tests only.
    using FaultInjector = std::function<int(Step)>;

    // Writes bytes as the whole new content of path in one go.
    static void replaceFile(const std::string& path, const void* data, std::size_t size);
    static void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        replaceFile(path, bytes.data(), bytes.size());
    }

    // Resolves path (following symbolic links to the file they name), checks its folder and
    // creates the temporary file beside the target. Nothing is replaced before commit().
    explicit CSafeFileWriter(std::string path, FaultInjector faults = {});
    CSafeFileWriter(const CSafeFileWriter&) = delete;
    CSafeFileWriter& operator=(const CSafeFileWriter&) = delete;
    // Without a successful commit() the temporary file is removed and the target left as it was.
    ~CSafeFileWriter();

    void write(const void* data, std::size_t size);
    void write(const std::vector<std::uint8_t>& bytes) { write(bytes.data(), bytes.size()); }
    // Makes the written bytes the target's content. A failure after the rename (flushing the
    // folder) is still raised, and its message says that the new content is in place.
    void commit();

    const std::string& path() const noexcept { return m_path; }                 // as given
    const std::string& target() const noexcept { return m_target; }             // the real file
    const std::string& temporaryPath() const noexcept { return m_temporary; }   // empty when none
    // Whether the new content has replaced the target: true after commit(), also when commit()
    // then failed to flush the folder.
    bool replaced() const noexcept { return m_replaced; }

private:
    [[noreturn]] void fail(const std::string& what, int error);
    int fault(Step step) const { return m_faults ? m_faults(step) : 0; }
    void discard() noexcept;

    std::string m_path;
    std::string m_target;
    std::string m_folder;
    std::string m_temporary;
    FaultInjector m_faults;
    unsigned m_mode = 0;          // permission bits to give the temporary file before the rename
    bool m_keepMode = false;      // the target exists: its bits are copied, not the umask's
    int m_fd = -1;
    bool m_done = false;          // committed, or failed and cleaned up
    bool m_replaced = false;      // the temporary file has been renamed over the target
};
