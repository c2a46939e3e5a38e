// A document of the project: its name, code, description, who added it and when, and its content.
// An external document's content is the file its URL names (a path on this machine), which is
// only ever read. An internal document's content is the file of the document store named by the
// document's identifier (CDocumentManager), DocumentLength bytes long.
//
// Transfers move the content in chunks of kChunkSize bytes and report every failure through their
// result, never by throwing: a file that cannot be opened or created, a source that ends before the
// expected number of bytes, an archive in the wrong direction. Writing the store goes through a
// temporary file renamed over the store file only once every byte has arrived, so a failed
// transfer leaves the previous content and DocumentLength as they were.
//
// Copies of a record share its store file (it is named by the identifier); removing a record never
// deletes its store file.
#pragma once

#include <cstdint>

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"
#include "kelvara/platform/System.h"

class CArchive;

struct DocumentLengthTag {};
// The number of content bytes of an internal document.
using CDocumentLength = CProjectValue<std::uint64_t, DocumentLengthTag>;

#define KELVARA_FIELDS_DocumentFile(F)                                              \
    F(IDENTITY, CDocumentFileID, ID, CDocumentFileID::generated(), 1)               \
    F(VALUE, CUserID, UserID, {}, 1)                                                \
    F(VALUE, CProjectTime, Time, CProjectTime(currentTimeMilliseconds()), 1)        \
    F(TEXT, CProjectString, FileName, {}, 1)                                        \
    F(TEXT, CProjectString, Description, {}, 1)                                     \
    F(TEXT, CProjectString, DocumentCode, {}, 1)                                    \
    F(TEXT, CProjectString, URL, {}, 1)                                             \
    F(VALUE, CProjectBool, ExternalDocument, false, 1)                              \
    F(PLAIN, CDocumentLength, DocumentLength, std::uint64_t{0}, 1)

class IDocumentFile : public CRecord<IDocumentFile> {
    KELVARA_INTERFACE(DocumentFile)
    KELVARA_RECORD(IDocumentFile, "DocumentFile", KELVARA_FIELDS_DocumentFile)

public:
    static constexpr unsigned kChunkSize = 4096;

    // Writes the whole content into a storing archive: for an external document the file its URL
    // names, for an internal one DocumentLength bytes of its store file. False when the file
    // cannot be opened, when it ends before that many bytes (the archive then holds the bytes
    // read so far) or when the archive is loading.
    [[nodiscard]] virtual bool getArchive(CArchive& ar) const = 0;
    // Replaces the content of an internal document with the bytes left to read in a loading
    // archive. False for an external document.
    [[nodiscard]] virtual bool setArchive(CArchive& ar) = 0;
    // Replaces the content with the next length bytes of a loading archive and sets DocumentLength
    // to length. False, with the content and DocumentLength unchanged, for an external document,
    // when the store file cannot be written, or when the archive holds fewer than length bytes.
    [[nodiscard]] virtual bool setArchive(CArchive& ar, std::uint64_t length) = 0;
    // Makes this internal document's content a copy of source's content and DocumentLength its
    // length. When source has this document's identifier and the store file exists, the content
    // is already shared: true without touching it. False, with the store file untouched, for an
    // external document or when source's content cannot be read whole.
    [[nodiscard]] virtual bool copyContents(const IDocumentFile& source) = 0;
    // The store file of this document (empty when the store has no folder).
    [[nodiscard]] CString getStorePath() const;

protected:
    // Contents are not compared: every pair answers true.
    virtual bool compareContents(const IDocumentFile& other) const = 0;
};
