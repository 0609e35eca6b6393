// "Dimensioned text": one line of formatted text with its style, height, slant, colour,
// line spacing and alignment, placed on the drawing by picking and created as host
// single-line texts, line after line with Add. The command "DText" runs it modally.
#pragma once

#include <optional>

#include "calculator/ZnCalculator.h"
#include "dtext/DTextState.h"
#include "dtext/DTextTextSink.h"
#include "host/WorkId.h"
#include "host/controls/CZnColorComboBox.h"
#include "host/controls/CxDialog.h"
#include "host/controls/CxFtEdit.h"
#include "host/controls/CxToolBar.h"
#include "notebook/ZnNotebook.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Static.h"

namespace dtext {

// Control and command ids of the dialog.
inline constexpr int IDC_TEXT_LINE = 12051;
inline constexpr int IDC_TOOLBAR_PLACE = 12010;
inline constexpr int IDC_TEXT_STYLE = 32932;
inline constexpr int IDC_COLOR = 32934;
inline constexpr int IDC_HEIGHT = 32941;
inline constexpr int IDC_OBLIQUE = 32935;
inline constexpr int IDC_SPACING_TYPE = 32940;
inline constexpr int IDC_INTERVAL = 32939;
inline constexpr int IDC_FIT = 32961;
inline constexpr int IDC_ALIGN_FIRST = 32963; // nine buttons, three rows of three
inline constexpr int IDC_ALIGN_PICTURE = 32976;
inline constexpr int IDC_SPECIFY_LOCATION = 32942;
inline constexpr int IDC_ANGLE = 32937;
inline constexpr int IDC_FULL_MODE = 32974;
inline constexpr int IDC_ADD = 32931;
inline constexpr int ID_INSERT_SYMBOL = 32803;
inline constexpr int ID_NOTEBOOK = 32801;
inline constexpr int ID_CALCULATOR = 32945;

// The picture over the alignment grid; a click on it asks for the alignment point in the
// alignment dialog.
class CAlignmentPicture : public zn::ui::CStatic {
protected:
    zn::ui::LRESULT WindowProc(zn::ui::UINT message, zn::ui::WPARAM wParam,
                               zn::ui::LPARAM lParam) override;
};

class CDTextDlg : public zn::ui::CxDialog {
public:
    explicit CDTextDlg(zn::ui::CWnd* parent = nullptr);
    ~CDTextDlg() override;

    // Edits `object` (a single-line text of the drawing) instead of making a new text: its
    // record and colour are shown in place of the stored ones, and the first Add replaces
    // it.
    void EditObject(IZnSingleLineText& object, std::int32_t color);

    // Controls -> state. False, with the user told and the field showing its old value,
    // when a number field does not read as a number.
    bool ReadBack();
    // State -> controls.
    void ShowValues();
    // Asks for the place (and angle, or the two points of a fitted text) on the drawing;
    // false when the user cancelled or the pick failed, with nothing changed.
    bool Pick(bool specifyLocation);
    // Creates the current line (picking its place first when none was picked yet) and gets
    // ready for the next one; false when nothing was made.
    bool Add();
    // Text that the notebook or the calculator hands over, in a transfer format of the
    // dictionary callback (RTF with format 2 or when it reads as RTF, else host formatted
    // text): inserted in place of the selection of the text line. False when the line
    // took nothing.
    bool ReceiveText(const ZnsStringW& text, std::int32_t format = 0);

    const DTextState& State() const { return m_state; }
    bool IsAdded() const { return m_added; }
    bool IsOriginPicked() const { return m_originPicked; }

protected:
    zn::ui::BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
    void OnHelpCall() override;
    bool OnCommand(zn::ui::WPARAM wParam, zn::ui::LPARAM lParam) override;

private:
    void prepareControls();
    void fillStyles();
    void fillSpacing();
    void setFullMode(bool full);
    void showAlignment();
    void chooseAlignment();
    void openCalculator();
    void openNotebook();
    void insertSymbol();
    void releaseTextSources();
    void storeState() const;
    // Refuses the field: the user is told, the field shows `oldValue` again.
    void refuse(int id, const ZnsStringW& oldValue);
    double drawingScale() const;
    // The frame of the record's box and its lines, as the host's text splitter gives them.
    bool split(const ZnsDTextRecord& record, ZnsArray<ZnsDTextRecord>& lines,
               ZnsTextFrame& frame) const;

    DTextState m_state;
    bool m_originPicked = false;
    bool m_added = false;
    znsWorkID m_editedId;
    std::optional<ZnsDTextRecord> m_editedRecord;
    std::int32_t m_editedColor = 0;
    ZnPtr<IZnDiviRuveulator> m_calculator;
    ZnPtr<notebook::IZnNotebook> m_notebook;
    ZnPtr<CDTextTextSink> m_textSink;

    zn::ui::CxFtEdit m_textLine;
    zn::ui::CComboBox m_styleCombo;
    zn::ui::CZnColorComboBox m_colorCombo;
    zn::ui::CComboBox m_spacingCombo;
    zn::ui::CComboBox m_intervalCombo;
    CAlignmentPicture m_picture;
    zn::ui::CxToolBar m_toolBar;
};

} // namespace dtext
