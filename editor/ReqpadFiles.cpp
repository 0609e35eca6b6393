// Content files of the control: RTF saved without reference tags, and RTF read back.
#include <fstream>
#include <iterator>

#include "editor/Reqpad.h"
#include "platform/file/SaveFile.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Resources.h"
#include "resources/ResourceIds.h"

namespace editor {

namespace {

// The tags of "ref" and "spcref" elements, opening and closing, in text order.
std::vector<std::pair<size_t, size_t>> elementTags(std::u16string_view text) {
    std::vector<std::pair<size_t, size_t>> tags;
    for (size_t at = text.find(u'<'); at != std::u16string_view::npos;
         at = text.find(u'<', at + 1)) {
        std::u16string_view rest = text.substr(at + 1);
        if (!rest.empty() && rest[0] == u'/')
            rest.remove_prefix(1);
        bool element = false;
        for (std::u16string_view name : {std::u16string_view(u"spcref"), std::u16string_view(u"ref")})
            if (rest.substr(0, name.size()) == name && rest.size() > name.size() &&
                (rest[name.size()] == u'>' || rest[name.size()] == u' '))
                element = true;
        size_t close = text.find(u'>', at);
        if (element && close != std::u16string_view::npos)
            tags.emplace_back(at, close + 1);
    }
    return tags;
}

std::u16string rtfFilter() {
    return zn::ui::LoadStringW(res::IDS_RTF_FILTER);
}

} // namespace

void CReqpad::SaveToFile() {
    if (!elementTags(GetText()).empty())
        zn::ui::AfxMessageBox(res::IDS_NO_LINKS_IN_EXPORT, zn::ui::MB_OK);
    zn::ui::CFileDialog dialog(false, u"rtf", {},
                               zn::ui::OFN_HIDEREADONLY | zn::ui::OFN_OVERWRITEPROMPT, rtfFilter(),
                               this);
    if (dialog.DoModal() != zn::ui::IDOK)
        return;
    SaveRtfFile(zn::toUtf8(dialog.GetPathName()));
}

void CReqpad::LoadFromFile() {
    zn::ui::CFileDialog dialog(true, u"rtf", {},
                               zn::ui::OFN_HIDEREADONLY | zn::ui::OFN_FILEMUSTEXIST, rtfFilter(),
                               this);
    if (dialog.DoModal() != zn::ui::IDOK)
        return;
    LoadRtfFile(zn::toUtf8(dialog.GetPathName()));
}

bool CReqpad::SaveRtfFile(const std::string& path) {
    // The tags go in a copy; the control keeps its text, selection and flags.
    zn::richedit::RichEditModel copy;
    copy.SetDefaultCharFormat(GetDefaultCharFormat());
    copy.ReplaceSelRich(GetRichText(0, GetTextLength()), false);
    std::vector<std::pair<size_t, size_t>> tags = elementTags(copy.GetText());
    for (auto tag = tags.rbegin(); tag != tags.rend(); ++tag) {
        copy.SetSel(int(tag->first), int(tag->second));
        copy.ReplaceSel(u"", false);
    }
    std::string bytes = copy.GetRtf(false);
    // Written beside the old file and renamed over it when whole: a write that fails part
    // way leaves the user the file they had.
    try {
        zn::CSaveFile file(zn::fromUtf8(path), zn::CFile::modeCreate | zn::CFile::modeWrite);
        file.Write(bytes.c_str(), bytes.size() + 1); // with its zero byte
        file.Close();
    } catch (const zn::CFileException&) {
        zn::ui::AfxMessageBox(res::IDS_CANNOT_OPEN_RTF, zn::ui::MB_OK | zn::ui::MB_ICONERROR);
        return false;
    }
    return true;
}

bool CReqpad::LoadRtfFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        zn::ui::AfxMessageBox(res::IDS_CANNOT_OPEN_RTF, zn::ui::MB_OK | zn::ui::MB_ICONERROR);
        return false;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (size_t zero = bytes.find('\0'); zero != std::string::npos)
        bytes.resize(zero);
    TakeUndoSnapshot();
    bool loaded = false;
    {
        InternalChange guard(*this);
        loaded = bool(StreamInRtf(bytes, false));
    }
    if (!loaded) {
        // Not RTF: the text stays as it was.
        zn::ui::AfxMessageBox(res::IDS_CANNOT_OPEN_FILE, zn::ui::MB_OK | zn::ui::MB_ICONERROR);
        return false;
    }
    Renumber(RenumberMode::Plain);
    SetSel(GetTextLength(), GetTextLength());
    m_newUndoStep = 1;
    SetModify(true);
    UpdateInterface();
    return true;
}

} // namespace editor
