// The model's archive: a file version, record framing by named markers, and int/bool operators.
// A record is framed as '{', name length, name, 32-bit body length (back-patched on storing), the
// body, '}'. Loading checks the name, that the body fits, and that the reader stops exactly at the
// body's end; records nest at most kMaxDepth deep.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kelvara/platform/CArchive.h"

class CAssignmentSchemaChangeData;

class CKelvaraArchive : public CArchive {
public:
    static constexpr int kCurrentFileVersion = 250;
    static constexpr int kMaxDepth = 200;
    static constexpr std::size_t kMaxMarkerLength = 64;
    static constexpr BYTE kRecordStart = 0x7B;  // '{'
    static constexpr BYTE kRecordEnd = 0x7D;    // '}'
    // Fewest bytes any framed record occupies (start tag with a one-letter name, end tag).
    static constexpr std::size_t kMinRecordBytes = 8;

    // Storing at an older file version writes the records as that version held them (fields and
    // layouts added later are left out); tests and converters use it.
    struct StoreAtVersion {
        int fileVersion;
    };

    CKelvaraArchive();                                                     // storing, current version
    explicit CKelvaraArchive(StoreAtVersion version);                      // storing, an older version
    CKelvaraArchive(const void* data, std::size_t size, int fileVersion); // loading from memory
    CKelvaraArchive(std::vector<std::uint8_t> data, int fileVersion);
    CKelvaraArchive(CFile* file, UINT mode, int fileVersion = kCurrentFileVersion);
    ~CKelvaraArchive() override;

    virtual int fileVersion() const { return m_fileVersion; }

    void checkMarkerStart(const char* marker);
    void checkMarkerEnd(const char* marker);
    int depth() const noexcept { return static_cast<int>(m_open.size()); }

    // Change records of older schemas. Loading a file older than an assignment layout change
    // collects what the newer layout keeps elsewhere in the archive's assignment change data
    // (created on first request, owned by the archive); the other kinds of change data are not
    // produced by this implementation.
    virtual bool hasAssignmentSchemaChangeData() const;
    CAssignmentSchemaChangeData& getAssignmentSchemaChangeData();
    virtual bool hasCalendarSchemaChangeData() const { return false; }
    virtual bool hasCuttingPlaneSchemaChangeData() const { return false; }
    virtual bool hasLegendPropertiesSchemaChangeData() const { return false; }
    virtual bool hasTaskCodesSchemaChangeData() const { return false; }
    virtual bool hasTaskStatesSchemaChangeData() const { return false; }
    virtual bool hasUseProfilesSchemaChangeData() const { return false; }
    virtual bool hasUserFieldSchemaChangeData() const { return false; }
    virtual bool has3DImportLocationSchemaChangeData() const { return false; }

protected:
    std::string context() const override;

private:
    struct OpenRecord {
        const char* name;
        std::size_t start;        // offset of the start tag
        std::size_t bodyEnd;      // loading: where the body must end; storing: where the length is patched
        std::size_t outerLimit;   // loading: the readable end to restore
    };

    int m_fileVersion;
    std::vector<OpenRecord> m_open;
    std::unique_ptr<CAssignmentSchemaChangeData> m_assignmentChanges;
};
