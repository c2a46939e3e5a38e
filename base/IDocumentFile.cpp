#include "kelvara/base/IDocumentFile.h"

#include "kelvara/base/CDocumentManager.h"

CString IDocumentFile::getStorePath() const { return CDocumentManager::getInstance()->getDocumentPath(getID()); }
