// Sample collaboration content: issues with comment threads and an attached document, a risk tree
// and a document folder tree. Document content goes to a store folder of the demo's own under the
// system's temporary folder, removed when the tool exits, so the demo never writes into the user's
// document store.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "Samples.h"
#include "kelvara/base/CDocumentManager.h"
#include "kelvara/platform/CArchive.h"

namespace {

constexpr std::int64_t kHour = 3600LL * 1000;
constexpr std::int64_t kStart = 1767225600000LL;  // 2026-01-01

CString numbered(const wchar_t* stem, int i) { return CString(stem) + CString(std::to_wstring(i + 1)); }

// The demo's store folder, made once and removed at exit.
class DemoStore {
public:
    DemoStore() {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/kelvara-demo-store-XXXXXX";
        if (::mkdtemp(pattern.data())) m_path = pattern;
    }
    DemoStore(const DemoStore&) = delete;
    DemoStore& operator=(const DemoStore&) = delete;
    ~DemoStore() {
        std::error_code ignored;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
    }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

void useDemoStore() {
    static DemoStore store;
    if (!store.path().empty()) CDocumentManager::getInstance()->setDocumentFolder(CString::fromUtf8(store.path()));
}

CNote comment(const CUserID& author, const wchar_t* subject, const wchar_t* text, std::int64_t at) {
    CNote note;
    note.setSubject(CString(subject));
    note.setText(CString(text));
    note.setCreatedUserID(author);
    note.setUpdatedUserID(author);
    note.setCreatedTimestamp(CProjectTime(at));
    note.setUpdatedTimestamp(CProjectTime(at));
    return note;
}

CDocumentFile minutes(const CUserID& author, int i) {
    CDocumentFile document;
    document.setUserID(author);
    document.setTime(CProjectTime(kStart + (10 + i) * 24 * kHour));
    document.setFileName(numbered(L"site-meeting-minutes-", i) + L".txt");
    document.setDocumentCode(numbered(L"MIN-", i));
    document.setDescription(CString(L"Minutes of the weekly site meeting"));
    const std::string text = "Site meeting " + std::to_string(i + 1) +
                             ": crane base inspected, rebar delivery moved to Thursday, level 2 pour on hold.\n";
    CArchive content(text.data(), text.size());
    (void)document.setArchive(content);  // without a store the record stays, with no content
    return document;
}

// Issue s, whose meeting minutes are filed in meetings.
void addIssue(CProjectDocument& project, int s, CDocumentFolder& meetings) {
    const CUserID engineer = CUserID::generated(), manager = CUserID::generated();
    CIssue issue;
    issue.setIssueCode(numbered(L"ISS-", s));
    issue.setTitle(CString(L"Level 2 slab pour clashes with the crane jump"));
    issue.setDescription(CString(L"The crane climb is planned on the pour day; one of them has to move."));
    issue.setCreatedUserID(engineer);
    issue.setUpdatedUserID(manager);
    issue.setResponsibleUserID(manager);
    issue.setCreatedTimestamp(CProjectTime(kStart + 9 * 24 * kHour));
    issue.setUpdatedTimestamp(CProjectTime(kStart + 11 * 24 * kHour));
    issue.setStatus(CIssueStatus(CIssueStatus::InProgress));
    issue.setPriority(CIssuePriority(CIssuePriority::High));
    issue.setSendEmail(true);
    const std::int64_t raised = kStart + 9 * 24 * kHour;
    issue.addComment(comment(engineer, L"Clash", L"Crane jump and slab pour both on day 42.", raised), -1);
    issue.addComment(comment(manager, L"Re: Clash", L"Can the pour move a day later?", raised + 2 * kHour), -1);
    issue.addComment(comment(engineer, L"Re: Clash", L"Yes, if the concrete supplier confirms.", raised + 5 * kHour), -1);
    issue.addComment(comment(manager, L"Agreed", L"Pour moved to day 43; crane jump stays.", raised + 26 * kHour), -1);
    const CDocumentFile document = minutes(engineer, s);
    (void)meetings.addFile(document, -1);
    (void)issue.addDocumentFileID(document.getID(), -1);
    CTaskIDArray tasks;
    tasks.Add(CTaskID::generated());
    tasks.Add(CTaskID::generated());
    issue.setTasks(tasks);
    CEntity3DIDArray entities;
    entities.Add(CEntity3DID::generated());
    issue.setEntities(entities);
    issue.setPositionID(CPositionID::generated());
    issue.allocateOldSchedule()->setFileName(CString(L"schedule-before-change.kvp"));
    project.getIssueRoot().getArray().Add(issue);
}

void addRisks(CProjectDocument& project, int scale) {
    CRiskArray& risks = project.getRiskRoot().getArray();
    for (int s = 0; s < scale; ++s) {
        CRisk root;
        root.setDescription(CProjectString(numbered(L"Project risks ", s)));
        CRisk weather, ground, supply;
        weather.setDescription(CProjectString(L"Weather"));
        ground.setDescription(CProjectString(L"Ground conditions"));
        supply.setDescription(CProjectString(L"Supply chain"));
        supply.setValueMode(CRiskValueMode(CRiskValueMode::Fixed));
        (void)root.addSubRisk(weather, -1);
        (void)root.addSubRisk(ground, -1);
        (void)root.addSubRisk(supply, -1);
        const struct {
            const CRisk* parent;
            const wchar_t* text;
        } leaves[] = {{&weather, L"High wind stops the crane"}, {&weather, L"Frost delays pours"},
                      {&ground, L"Contaminated soil"},         {&supply, L"Late steel delivery"}};
        for (const auto& leaf : leaves) {
            CRisk risk;
            risk.setDescription(CProjectString(leaf.text));
            (void)root.addSubRisk(risk, leaf.parent->getID(), -1);
        }
        CRisk detail;
        detail.setDescription(CProjectString(L"Wind above 20 m/s on a lifting day"));
        const CRiskID windy = root.getSubRisks()[0]->getSubRisks()[0]->getID();
        (void)root.addSubRisk(detail, windy, -1);
        risks.Add(root);
    }
}

void addDocumentFolders(CProjectDocument& project, int scale) {
    CDocumentFolderArray& folders = project.getDocumentFolderRoot().getArray();
    for (int s = 0; s < scale; ++s) {
        CDocumentFolder root;
        root.setTitle(CProjectString(numbered(L"Project documents ", s)));
        root.setCreatedTimestamp(CProjectTime(kStart));
        CDocumentFolder drawings, meetings, structure;
        drawings.setTitle(CProjectString(L"Drawings"));
        drawings.setType(CDocumentType(CDocumentType::Drawing));
        structure.setTitle(CProjectString(L"Structure"));
        structure.setType(CDocumentType(CDocumentType::Drawing));
        for (int i = 0; i < 3; ++i) {
            CDocumentFile drawing;
            drawing.setFileName(numbered(L"S-10", i) + L".pdf");
            drawing.setExternalDocument(true);
            drawing.setURL(numbered(L"/srv/drawings/structure/S-10", i) + L".pdf");
            (void)structure.addFile(drawing, -1);
        }
        (void)drawings.addSubFolder(structure, -1);
        meetings.setTitle(CProjectString(L"Meetings"));
        meetings.setType(CDocumentType(CDocumentType::Report));
        addIssue(project, s, meetings);
        (void)root.addSubFolder(drawings, -1);
        (void)root.addSubFolder(meetings, -1);
        folders.Add(root);
    }
}

}  // namespace

void addCollaboration(CProjectDocument& project, int scale) {
    useDemoStore();
    addDocumentFolders(project, scale);
    addRisks(project, scale);
}
