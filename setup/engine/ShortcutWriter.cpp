// Shell shortcut files through IShellLinkA and IPersistFile.
#include "setup/engine/ShortcutWriter.h"

ShortcutWriter::~ShortcutWriter() {
    if (m_file)
        m_file->Release();
    if (m_link)
        m_link->Release();
}

// Both interfaces exist or neither: a link without its file interface is released at once, so
// Save never reaches a missing interface.
bool ShortcutWriter::MakeObjects() {
    if (!m_attempted) {
        m_attempted = true;
        void* link = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkA, &link))) {
            m_link = static_cast<IShellLinkA*>(link);
            void* file = nullptr;
            if (SUCCEEDED(m_link->QueryInterface(IID_IPersistFile, &file))) {
                m_file = static_cast<IPersistFile*>(file);
            } else {
                m_link->Release();
                m_link = nullptr;
            }
        }
    }
    return m_link != nullptr;
}

bool ShortcutWriter::Assign(const ShortcutSpec& spec) {
    if (!MakeObjects())
        return false;
    m_spec = spec;
    return true;
}

bool ShortcutWriter::Save(const char* path) {
    if (!m_link)
        return false;
    WCHAR widePath[kPathSize];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, kPathSize))
        return false;
    m_link->SetPath(m_spec.targetPath);
    m_link->SetWorkingDirectory(m_spec.workingFolder);
    m_link->SetIconLocation(m_spec.iconPath, m_spec.iconIndex);
    m_link->SetDescription(m_spec.description);
    m_link->SetArguments(m_spec.arguments);
    m_link->SetHotkey(m_spec.hotKey);
    m_link->SetShowCmd(m_spec.showCommand);
    return SUCCEEDED(m_file->Save(widePath, TRUE));
}
