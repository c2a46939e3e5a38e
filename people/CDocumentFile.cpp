// Document content transfers. Every failure is an answer of false: the file exceptions of the
// platform layer and archive misuse are caught here, and the store file is replaced only through a
// temporary file once the whole content has arrived.
#include "kelvara/people/CDocumentFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "kelvara/platform/CArchive.h"
#include "kelvara/platform/CFile.h"
#include "kelvara/platform/Exceptions.h"
#include "kelvara/platform/SafeFileWriter.h"

KELVARA_DEFINE_KIND(DocumentFile)

namespace {

// Moves length bytes from read to write in chunks; answers false as soon as read gives fewer bytes
// than asked for (the bytes it did give are written first).
template <class Read, class Write>
bool transfer(std::uint64_t length, Read read, Write write) {
    std::array<std::uint8_t, IDocumentFile::kChunkSize> chunk;
    while (length > 0) {
        const UINT want = static_cast<UINT>(std::min<std::uint64_t>(length, chunk.size()));
        const UINT got = read(chunk.data(), want);
        if (got > 0) write(chunk.data(), got);
        if (got < want) return false;
        length -= got;
    }
    return true;
}

// Copies length bytes of the file at path (all of it when length is the file's) into ar. Only
// regular files are read: a device or a pipe named by a URL could never end.
bool copyFileToArchive(const CString& path, bool wholeFile, std::uint64_t length, CArchive& ar) {
    if (path.IsEmpty() || !CFileUtilities::fileExists(path)) return false;
    try {
        CFile file(path.toUtf8().c_str(), CFile::modeRead);
        if (wholeFile) length = file.GetLength();
        return transfer(length, [&](void* to, UINT n) { return file.Read(to, n); },
                        [&](const void* from, UINT n) { ar.Write(from, n); });
    } catch (const CFileException&) {
        return false;
    } catch (const CArchiveException&) {
        return false;
    }
}

// Fills a new store file through fill (which answers whether it got every byte) and renames it over
// the old one. Answers whether every step succeeded; replaced tells whether the new content is the
// store file's, which is also the case when only flushing the folder to disk failed afterwards.
template <class Fill>
bool replaceStoreFile(const CString& path, Fill fill, bool& replaced) {
    replaced = false;
    if (path.IsEmpty()) return false;
    std::optional<CSafeFileWriter> writer;
    try {
        writer.emplace(path.toUtf8());
        if (!fill(*writer)) return false;  // the writer's destructor removes the temporary file
        writer->commit();
        replaced = true;
        return true;
    } catch (const CFileException&) {
        replaced = writer && writer->replaced();
        return false;
    } catch (const CArchiveException&) {
        return false;
    }
}

}  // namespace

bool CDocumentFile::getArchive(CArchive& ar) const {
    if (!ar.IsStoring()) return false;
    if (getExternalDocument().getValue()) return copyFileToArchive(CString(getURL()), true, 0, ar);
    return copyFileToArchive(getStorePath(), false, getDocumentLength(), ar);
}

// The bytes left to read: for a file archive that is the whole file, which loading has read.
bool CDocumentFile::setArchive(CArchive& ar) {
    if (!ar.IsLoading()) return false;
    return setArchive(ar, ar.remaining());
}

bool CDocumentFile::setArchive(CArchive& ar, std::uint64_t length) {
    if (getExternalDocument().getValue() || !ar.IsLoading()) return false;
    bool replaced = false;
    const bool ok = replaceStoreFile(
        getStorePath(),
        [&](CSafeFileWriter& writer) {
            return transfer(length, [&](void* to, UINT n) { return ar.Read(to, n); },
                            [&](const void* from, UINT n) { writer.write(from, n); });
        },
        replaced);
    // The length always describes the store file as it is.
    if (replaced) setDocumentLength(length);
    return ok;
}

bool CDocumentFile::copyContents(const IDocumentFile& source) {
    if (getExternalDocument().getValue()) return false;
    const CString path = getStorePath();
    if (path.IsEmpty()) return false;
    if (source.getID() == getID() && CFileUtilities::fileExists(path)) return true;
    // The source is read whole before the store file is replaced, so a source that cannot be read
    // leaves the previous content in place.
    CArchive content;
    try {
        if (!source.getArchive(content)) return false;
    } catch (const CFileException&) {
        return false;
    } catch (const CArchiveException&) {
        return false;
    }
    const std::vector<std::uint8_t> bytes = content.takeBuffer();
    bool replaced = false;
    const bool ok = replaceStoreFile(
        path,
        [&](CSafeFileWriter& writer) {
            writer.write(bytes);
            return true;
        },
        replaced);
    if (replaced) setDocumentLength(bytes.size());
    return ok;
}
