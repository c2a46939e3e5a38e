#include "kelvara/base/CDocumentManager.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    // No HOME (a service, a cleared environment): the account's home folder.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return {};
}

}  // namespace

CDocumentManager* CDocumentManager::getInstance() {
    static CDocumentManager instance;
    return &instance;
}

CString CDocumentManager::defaultDocumentFolder() {
    std::string base;
    // A relative XDG_DATA_HOME is invalid and ignored, as the convention asks.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') {
        base = data;
    } else {
        const std::string home = homeFolder();
        if (home.empty()) return CString();
        base = home + "/.local/share";
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return CString::fromUtf8(base) + L"/" + kStoreSubFolder;
}

CString CDocumentManager::getDocumentFolder() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_folder.IsEmpty()) {
        m_folder = defaultDocumentFolder();
        m_created = false;
    }
    if (!m_created && !m_folder.IsEmpty()) {
        // A folder that cannot be created is reported by the transfers that need it.
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(m_folder.toUtf8()), error);
        m_created = !error;
    }
    return m_folder;
}

void CDocumentManager::setDocumentFolder(const CString& folder) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_folder = folder;
    m_created = false;
}

CString CDocumentManager::getDocumentPath(const CIDBase& id) {
    const CString folder = getDocumentFolder();
    if (folder.IsEmpty()) return CString();
    return folder + L"/" + id.toString();
}
