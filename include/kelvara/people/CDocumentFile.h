// The stored form of a document (see IDocumentFile). A new document has a fresh identifier, the
// current time, is internal and has no content (DocumentLength 0).
#pragma once

#include "kelvara/base/IDocumentFile.h"
#include "kelvara/framework/Family.h"

class CDocumentFile : public IDocumentFile {
    KELVARA_OBJECT(DocumentFile)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_DocumentFile)

public:
    ~CDocumentFile() override = default;

    bool getArchive(CArchive& ar) const override;
    bool setArchive(CArchive& ar) override;
    bool setArchive(CArchive& ar, std::uint64_t length) override;
    bool copyContents(const IDocumentFile& source) override;

protected:
    bool compareContents(const IDocumentFile&) const override { return true; }
};

KELVARA_KIND_FAMILY(DocumentFile)
