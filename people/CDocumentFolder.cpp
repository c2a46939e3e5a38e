#include "kelvara/people/CDocumentFolder.h"

#include "kelvara/framework/Trees.h"

KELVARA_DEFINE_KIND(DocumentFolder)

CDocumentFolder::~CDocumentFolder() = default;

CDocumentFolderArray& CDocumentFolder::allocateSubFolders() { return kelvara::detail::allocateList(m_SubFolders); }

IDocumentFileHandle CDocumentFolder::addFile(const IDocumentFile& file, int index) {
    CDocumentFile* added = m_Files.Add(index, file);
    return added ? added->getHandle() : IDocumentFileHandle();
}

IDocumentFolderHandle CDocumentFolder::addSubFolder(const IDocumentFolder& folder, int index) {
    CDocumentFolder* added = allocateSubFolders().Add(index, folder);
    kelvara::detail::releaseListIfEmpty(m_SubFolders);  // a refused first sub-folder leaves no list
    return added ? added->getHandle() : IDocumentFolderHandle();
}

bool CDocumentFolder::removeFile(const CDocumentFileID& id) { return m_Files.Remove(id); }

bool CDocumentFolder::removeSubFolder(const CDocumentFolderID& id) {
    if (!m_SubFolders || !m_SubFolders->Remove(id)) return false;
    kelvara::detail::releaseListIfEmpty(m_SubFolders);
    return true;
}

void CDocumentFolder::removeAllFiles() { m_Files.RemoveAll(); }

void CDocumentFolder::removeAllSubFolders() { m_SubFolders.reset(); }

IDocumentFolderWritableHandle CDocumentFolder::detach(const CDocumentFolderID& id) {
    if (!m_SubFolders) return IDocumentFolderWritableHandle();
    IDocumentFolder* folder = m_SubFolders->Detach(id);
    kelvara::detail::releaseListIfEmpty(m_SubFolders);
    return folder ? folder->getWritableHandle() : IDocumentFolderWritableHandle();
}

bool CDocumentFolder::attach(IDocumentFolderWritableHandle folder, int index) {
    auto* taken = dynamic_cast<CDocumentFolder*>(folder.get());
    if (!taken || kelvara::detail::inSubtree<IDocumentFolder>(*taken, this, &IDocumentFolder::getSubFolders)) return false;
    const int count = m_SubFolders ? m_SubFolders->GetSize() : 0;
    if (index < 0 || index > count) return false;
    if (m_SubFolders && m_SubFolders->findByID(taken->getID()) >= 0) return false;
    CDocumentFolderArray& list = allocateSubFolders();
    list.Attach(index, taken);
    if (list.GetSize() > count) return true;
    kelvara::detail::releaseListIfEmpty(m_SubFolders);
    return false;
}
