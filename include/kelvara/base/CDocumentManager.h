// The document store: the folder where the content of internal documents lives, one file per
// document named by the document's identifier text ("<folder>/<identifier>"). The folder is
// $XDG_DATA_HOME/kelvara/documents, or ~/.local/share/kelvara/documents when XDG_DATA_HOME is unset
// or not absolute, unless a caller sets another one; it is created (with its parents) the first
// time it is asked for. The store is one per process and may be used from several threads.
#pragma once

#include <mutex>

#include "kelvara/base/CIDBase.h"
#include "kelvara/platform/CString.h"

class CDocumentManager {
public:
    static constexpr const wchar_t* kStoreSubFolder = L"kelvara/documents";

    static CDocumentManager* getInstance();

    // The store folder, created when missing. Empty when no folder can be named (neither
    // XDG_DATA_HOME nor a home folder is known); transfers then fail.
    [[nodiscard]] CString getDocumentFolder();
    // Uses folder from now on; an empty text goes back to the default folder.
    void setDocumentFolder(const CString& folder);
    // The store file of the document with identifier id, or empty when there is no store folder.
    [[nodiscard]] CString getDocumentPath(const CIDBase& id);
    // The folder the store uses when none was set, from the environment at the time of the call.
    [[nodiscard]] static CString defaultDocumentFolder();

    CDocumentManager(const CDocumentManager&) = delete;
    CDocumentManager& operator=(const CDocumentManager&) = delete;

private:
    CDocumentManager() = default;

    std::mutex m_mutex;
    CString m_folder;         // empty: not chosen yet
    bool m_created = false;   // m_folder has been created (or found) since it was chosen
};
