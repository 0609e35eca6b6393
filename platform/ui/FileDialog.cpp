// The file dialog: the agent chooses, the dialog checks the choice as the system would.
#include "platform/ui/FileDialog.h"

#include <filesystem>

#include "platform/ui/Button.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PlatformStrings.h"
#include "platform/ui/Resources.h"

namespace zn::ui {

namespace {
std::filesystem::path pathOf(const ZnsStringW& text) {
    return std::filesystem::path(zn::toUtf8(text));
}
} // namespace

CFileDialog::CFileDialog(bool openFileDialog, std::u16string_view defaultExtension,
                         std::u16string_view fileName, std::uint32_t flags,
                         std::u16string_view filter, CWnd*)
    : m_flags(flags) {
    m_request.save = !openFileDialog;
    m_request.defaultExtension = defaultExtension;
    m_request.initialPath = fileName;
    m_request.filter = filter;
}

void CFileDialog::SetTemplate(UINT templateId) {
    ResourceModule* module = AfxGetResourceHandle();
    const DialogTemplate* resource = module ? module->FindDialog(templateId) : nullptr;
    if (!resource)
        return;
    m_flags |= OFN_ENABLETEMPLATE;
    m_request.options.clear();
    for (const DialogItemTemplate& item : resource->items) {
        auto kind = item.style & BS_TYPEMASK;
        if (zn::equalsNoCaseAscii(item.className, u"Button") &&
            (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX))
            m_request.options.push_back({item.id, item.text, false});
    }
}

bool CFileDialog::GetOptionCheck(int id) const {
    for (const FileOption& option : m_request.options)
        if (option.id == id)
            return option.checked;
    return false;
}

void CFileDialog::SetOptionCheck(int id, bool checked) {
    for (FileOption& option : m_request.options)
        if (option.id == id)
            option.checked = checked;
}

bool CFileDialog::acceptable(ZnsStringW& path) {
    std::filesystem::path file = pathOf(path);
    if (!m_request.defaultExtension.empty() && !file.has_extension())
        path += u"." + m_request.defaultExtension;
    std::error_code error;
    bool exists = std::filesystem::exists(pathOf(path), error);
    if (!m_request.save && (m_flags & OFN_FILEMUSTEXIST) && !exists) {
        AfxMessageBox(FormatString(kIdsFileNotFound, {path}), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (m_request.save && (m_flags & OFN_OVERWRITEPROMPT) && exists)
        return AfxMessageBox(FormatString(kIdsFileExists, {path}), MB_YESNO | MB_ICONEXCLAMATION) ==
               IDYES;
    return true;
}

int CFileDialog::DoModal() {
    UserAgent* agent = CurrentUserAgent();
    if (!agent)
        throw AgentError("a file dialog waits for a file and no user agent is installed");
    // As the system's dialog does, a choice it cannot take is refused and asked again.
    for (;;) {
        std::optional<std::u16string> choice = agent->ChooseFileAndOptions(m_request);
        if (!choice)
            return IDCANCEL;
        ZnsStringW path = *choice;
        if (acceptable(path)) {
            m_path = path;
            return IDOK;
        }
    }
}

ZnsStringW CFileDialog::GetFileName() const {
    return zn::fromUtf8(pathOf(m_path).filename().string());
}

ZnsStringW CFileDialog::GetFileTitle() const {
    return zn::fromUtf8(pathOf(m_path).stem().string());
}

ZnsStringW CFileDialog::GetFileExt() const {
    std::string ext = pathOf(m_path).extension().string();
    return zn::fromUtf8(ext.empty() ? ext : ext.substr(1));
}

} // namespace zn::ui
