// CZnTText: the drawing object of type "TText" that carries one technical-requirements text:
// the whole text as RTF, its columns on the sheet and the RTF drawn in each, the links from
// its items to drawing objects, the format it belongs to, and its text parameters (kept in
// the entity's parameter set).
#pragma once

#include <optional>
#include <vector>

#include "requirements/IZnTText.h"

class CZnTText : public IZnTText {
public:
    // Sub-object id of column text k: this plus k.
    static constexpr std::int32_t kColumnTextSubObject = 10000;

    static HRESULT Factory(IZnObject** out);

    // IZnObject / IZnEntity
    ZnsGuid GetClassId() const override;
    HRESULT QueryInterface(const ZnsGuid& iid, void** out) override;
    HRESULT Save(IZnFiler& filer) const override;
    HRESULT Load(IZnFiler& filer) override;
    void Draw(IZnGeometrySink& sink) override;
    HRESULT GetProperty(const ZnsStringW& name, ZNSVariant& value) const override;
    HRESULT SetProperty(const ZnsStringW& name, const ZNSVariant& value) override;
    HRESULT GetPropertyNames(ZnsArray<ZnsStringW>& names) const override;
    HRESULT GetPropertyIds(ZnsArray<std::int32_t>& ids) const override;
    HRESULT GetPropertyDisplay(const ZnsStringW& name, ZnsStringW& display,
                               ZnsArray<ZnsStringW>& choices) const override;
    void GetSubObjectName(std::int32_t id, ZnsStringW& name, std::int32_t& kind) const override;
    HRESULT GetGripPoints(ZnsArray<ZnsPoint3>& points) const override;
    HRESULT MoveGripPoints(const ZnsArray<std::int32_t>& indices, const ZnsPoint3& offset,
                           bool all) override;
    HRESULT TransformBy(const ZnsMatrix& matrix) override;
    HRESULT Edit() override;
    HRESULT EditOrPlace(std::int32_t flags,
                        const std::map<ZnsStringW, ZNSVariant>* parameters) override;
    void OnNotify(std::int32_t kind) override;
    HRESULT OnObjectModified(const znsWorkID& object, std::int32_t kind) override;

    // IZnTText
    std::int32_t GetMode() const override { return m_mode; }
    void SetMode(std::int32_t mode) override;
    const ZnsStringW& GetContent() const override { return m_content; }
    void GetLinks(ZnsArray<ZnsLink>& links) const override;
    void ValidateLinks() override;
    void SetContent(const ZnsStringW& text, std::int32_t update) override;
    void SetContentAndLinks(const ZnsStringW& text, const ZnsArray<ZnsLink>& links) override;
    std::int32_t SetFormat(const znsWorkID& format) override;
    void GetFormat(znsWorkID& format) const override { format = m_format; }
    double GetFontHeight() const override;
    void SetFontHeight(double height) override;
    std::int32_t GetOblique() const override;
    void SetOblique(std::int32_t oblique) override;
    std::int32_t GetOption() const override { return m_option; }
    void SetOption(std::int32_t option) override;
    std::int32_t GetPlaceKind() const override { return m_placeKind; }
    void SetPlaceKind(std::int32_t kind) override;
    std::int32_t LayoutInRectangle(ZnsPoint3 first, ZnsPoint3 second, std::int32_t parameters,
                                   std::int32_t fill) override;
    void ClearColumns() override;
    std::int32_t GetColumn(std::int32_t index, ZnsPoint3& first, ZnsPoint3& second) const override;
    std::int32_t GetColumnCount() const override { return std::int32_t(m_columns.size()); }
    ZnsStringW GetColumnText(std::int32_t index) const override;
    std::int32_t GetColumnTextCount() const override { return std::int32_t(m_columnTexts.size()); }
    void Update() override;
    std::int32_t GetFormatColumnFrame(std::int32_t index, ZnsPoint3& first,
                                      ZnsPoint3& second) override;
    std::int32_t PlaceAfterEdit(std::int32_t how) override;
    std::int32_t Place(std::int32_t kind) override;
    HRESULT ShowObject(const znsWorkID& id) override;
    HRESULT ShowItemReference(std::int32_t item) override;
    const ZnsStringW& GetContent() override { return m_content; }
    void GetTextStyle(ZnsStringW& name) const override;
    void SetTextStyle(const ZnsStringW& name) override;
    std::int32_t GetTextColor() const override;
    void SetTextColor(std::int32_t color) override;

    // Pours the remaining text into column `index`; 1 when text remains after it, else 0.
    // With `flag` set a header column keeps its header text and fills the body below it.
    std::int32_t FillColumn(std::int32_t index, std::int32_t flag);

    const ZnsArray<ZnsTTColumn>& Columns() const { return m_columns; }
    std::int32_t GetHeaderIndex() const { return m_headerIndex; }
    std::int32_t GetHeaderCount() const { return m_headerCount; }
    double GetExtraValue() const { return m_extraValue; }
    std::uint32_t GetColor() const { return m_color; }

private:
    ~CZnTText() override = default;

    bool isConditions() const {
        return m_mode == kTTModeOldConditions || m_mode == kTTModeConditions;
    }
    bool isParameters() const {
        return m_mode == kTTModeOldParameters || m_mode == kTTModeParameters;
    }
    bool hasHeader() const { return m_headerIndex >= 0; }
    void markModified() { m_dirty = 1; }
    void resetLayout();
    // Stores a too-small height as "use the drawing's" rather than the tiny value.
    void setHeightParameter(std::int32_t id, double height);
    // The text parameters of header or body texts, height in drawing units.
    ZnsTextParams textParams(bool header) const;
    // The height a text takes at `width` with the header or body parameters.
    double measure(const ZnsStringW& rtf, double width, bool header) const;
    // The fill of the older modes: the text cut line by line in a scratch control.
    std::int32_t fillColumnByLines(std::int32_t index);
    // The column fill shared by both cuts, over the pieces and their header count; `used`
    // is the height the column has already given away. `statedInFull`: every piece states
    // its paragraph format itself, as the pieces the scratch control writes do.
    std::int32_t pourPieces(std::int32_t index, const std::vector<ZnsStringW>& pieces,
                            std::int32_t headers, double used = 0.0, bool statedInFull = false);
    // The width of column `index`; 0 when there is no such column.
    double columnWidth(std::int32_t index) const;
    // The remaining text for column `index`, taken from the column texts from there on.
    ZnsStringW gatherRest(std::int32_t index);
    // Whether another requirements object of the drawing (of technical conditions only, when
    // `conditionsOnly`) already uses `format`.
    bool formatUsedByOther(const znsWorkID& format, bool conditionsOnly) const;
    // The drawing's formats in the object's space.
    ZnsArray<znsWorkID> drawingFormats() const;
    bool inCurrentSpace() const;
    // Asks for a format when the drawing has several; false when placement must end.
    bool chooseFormat();
    // A prompt of the placement was cancelled: the host drops what the command did.
    void cancelInHost();
    void rebuildGeometry();
    // Re-derives column `n` from the format for placement kinds 0 and 2; false without one.
    bool deriveColumn(std::size_t n);

    ZnsStringW m_content;
    ZnsArray<ZnsLink> m_links;
    std::int32_t m_mode = kTTModeOldConditions;
    std::int32_t m_placeKind = kTTPlaceAuto;
    double m_legacyHeight = 0.0;
    std::int32_t m_place1 = 0, m_place2 = 0;
    double m_place3 = 0.0, m_place4 = 0.0;
    std::int32_t m_legacyOblique = -1;
    std::int32_t m_option = 1;
    std::uint32_t m_color = 0xFF000000; // not stored in the record
    ZnsArray<ZnsTTColumn> m_columns;
    ZnsArray<ZnsStringW> m_columnTexts;
    double m_extraValue = 0.0;
    std::int32_t m_headerIndex = -1;
    std::int32_t m_headerCount = 0;
    std::int32_t m_dirty = 0;
    std::int32_t m_suspended = 0;
    ZnsMatrix m_transform;
    std::int32_t m_gripEdited = 0;
    std::int32_t m_transformed = 0;
    znsWorkID m_format;
    ZnsBox3 m_formatBounds;
    // The drawn texts, rebuilt at the next draw after the object was marked modified.
    std::vector<ZnsTextPrimitive> m_geometry;
};
