// The common file dialog as a request to the user agent: open (the file must exist when
// asked) or save (with the overwrite question when asked), a filter, a default extension,
// and the check boxes of an extension template such as a "merge" option.
#pragma once

#include "platform/ui/UserAgent.h"
#include "platform/ui/Window.h"

namespace zn::ui {

inline constexpr std::uint32_t OFN_READONLY = 0x1;
inline constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x2;
inline constexpr std::uint32_t OFN_HIDEREADONLY = 0x4;
inline constexpr std::uint32_t OFN_ENABLETEMPLATE = 0x40;
inline constexpr std::uint32_t OFN_PATHMUSTEXIST = 0x800;
inline constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x1000;

class CFileDialog {
public:
    CFileDialog(bool openFileDialog, std::u16string_view defaultExtension = {},
                std::u16string_view fileName = {},
                std::uint32_t flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                std::u16string_view filter = {}, CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK with a path, or IDCANCEL.
    virtual int DoModal();
    // The check boxes of dialog template `templateId` (from the installed resources) are
    // offered below the standard controls.
    void SetTemplate(UINT templateId);
    void SetTitle(std::u16string_view title) { m_request.title = title; }
    bool GetOptionCheck(int id) const;
    void SetOptionCheck(int id, bool checked);

    ZnsStringW GetPathName() const { return m_path; }
    ZnsStringW GetFileName() const;  // with extension
    ZnsStringW GetFileTitle() const; // without
    ZnsStringW GetFileExt() const;
    std::uint32_t Flags() const { return m_flags; }

private:
    bool acceptable(ZnsStringW& path);

    FileRequest m_request;
    std::uint32_t m_flags;
    ZnsStringW m_path;
};

} // namespace zn::ui
