#include "kelvara/base/IDocumentFolder.h"

void IDocumentFolder::releaseDetached(IDocumentFolderWritableHandle& folder) {
    delete folder.get();  // every interface's destructor is virtual
    folder = IDocumentFolderWritableHandle();
}
