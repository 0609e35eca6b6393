// The stored record of a requirements object. Version 2.0 is written; 1.0 to 2.x are read,
// each minor version adding what it brought: 1.0-1.2 kept height and oblique in the record,
// 1.1 kept the text in host multiline-text codes, 1.2 added the format and its bounds, 1.4
// the header text and its gap, 1.5 the header index and count. A later major version is
// refused, as is a link of an unknown kind.
#include "host/Services.h"
#include "module/AcadToRtf.h"
#include "module/EventsSink.h"
#include "module/ModuleState.h"
#include "requirements/ZnTText.h"
#include "resources/StringTable.h"

namespace {

constexpr std::int32_t kLinkToObject = 0;
constexpr std::int32_t kLinkToNumber = 1;
constexpr std::int32_t kMaxCount = 1 << 24;

// Chains filer reads: the first failure is kept and later reads are skipped.
struct Reader {
    IZnFiler& filer;
    HRESULT status = S_OK;

    template <class T> Reader& operator()(HRESULT (IZnFiler::*read)(T&), T& value) {
        if (SUCCEEDED(status))
            status = (filer.*read)(value);
        return *this;
    }
    bool count(std::int32_t& value) {
        (*this)(&IZnFiler::ReadInt32, value);
        if (SUCCEEDED(status) && (value < 0 || value > kMaxCount))
            status = E_FAIL;
        return SUCCEEDED(status);
    }
    bool ok() const { return SUCCEEDED(status); }
};

// Version a.b as one comparable number.
constexpr std::int32_t version(std::int32_t major, std::int32_t minor) {
    return major * 65536 + minor;
}

} // namespace

HRESULT CZnTText::Save(IZnFiler& filer) const {
    filer.BeginRecord(2, 0);
    filer.WriteString(m_content);
    filer.WriteInt32(m_mode);
    filer.WriteInt32(m_placeKind);
    filer.WriteInt32(std::int32_t(m_links.size()));
    for (const ZnsLink& link : m_links) {
        if (std::int32_t number = link.target.Number(); number != -1) {
            filer.WriteInt32(kLinkToNumber);
            filer.WriteInt32(number);
        } else {
            filer.WriteInt32(kLinkToObject);
            filer.WriteId(link.target);
        }
        filer.WriteString(link.text);
    }
    filer.WriteInt32(std::int32_t(m_columns.size()));
    for (const ZnsTTColumn& column : m_columns) {
        filer.WritePoint(column.first);
        filer.WritePoint(column.second);
        filer.WriteInt32(column.anchor);
    }
    filer.WriteInt32(std::int32_t(m_columnTexts.size()));
    for (const ZnsStringW& text : m_columnTexts)
        filer.WriteString(text);
    filer.WriteDouble(GetFontHeight());
    filer.WriteInt32(m_place1);
    filer.WriteInt32(m_place2);
    filer.WriteDouble(m_place3);
    filer.WriteDouble(m_place4);
    filer.WriteInt32(GetOblique());
    filer.WriteInt32(m_option);
    filer.WriteMatrix(m_transform);
    filer.WriteId(m_format);
    filer.WriteBox(m_formatBounds);
    filer.WriteString(ZnsStringW());
    filer.WriteDouble(m_extraValue);
    filer.WriteInt32(m_headerIndex);
    filer.WriteInt32(m_headerCount);
    return filer.EndRecord();
}

HRESULT CZnTText::Load(IZnFiler& filer) {
    std::int32_t major = 0, minor = 0;
    if (FAILED(filer.ReadVersion(major, minor)))
        return E_FAIL;
    if (major >= 3) {
        if (gpZnContext)
            gpZnContext->ReportVersion(res::LoadStringW(32844), version(major, minor));
        return ZNS_E_RECORD_TOO_NEW;
    }
    const std::int32_t v = version(major, minor);
    Reader read{filer};
    std::int32_t count = 0;
    read(&IZnFiler::ReadString, m_content)(&IZnFiler::ReadInt32, m_mode)(&IZnFiler::ReadInt32,
                                                                         m_placeKind);
    if (!read.count(count))
        return E_FAIL;
    m_links.assign(size_t(count), ZnsLink());
    for (ZnsLink& link : m_links) {
        std::int32_t kind = 0, number = 0;
        read(&IZnFiler::ReadInt32, kind);
        if (read.ok() && kind == kLinkToNumber) {
            read(&IZnFiler::ReadInt32, number);
            link.target = znsWorkID::Numbered(number);
        } else if (read.ok() && kind == kLinkToObject) {
            read(&IZnFiler::ReadId, link.target);
        } else if (read.ok()) {
            return ZNS_E_RECORD_TOO_NEW;
        }
        read(&IZnFiler::ReadString, link.text);
    }
    if (!read.count(count))
        return E_FAIL;
    m_columns.assign(size_t(count), ZnsTTColumn());
    for (ZnsTTColumn& column : m_columns)
        read(&IZnFiler::ReadPoint, column.first)(&IZnFiler::ReadPoint, column.second)(
            &IZnFiler::ReadInt32, column.anchor);
    if (!read.count(count))
        return E_FAIL;
    m_columnTexts.assign(size_t(count), ZnsStringW());
    for (ZnsStringW& text : m_columnTexts)
        read(&IZnFiler::ReadString, text);
    read(&IZnFiler::ReadDouble, m_legacyHeight)(&IZnFiler::ReadInt32,
                                                m_place1)(&IZnFiler::ReadInt32, m_place2);
    read(&IZnFiler::ReadDouble, m_place3)(&IZnFiler::ReadDouble, m_place4);
    read(&IZnFiler::ReadInt32, m_legacyOblique)(&IZnFiler::ReadInt32, m_option);
    if (!read.ok())
        return E_FAIL;
    if (v >= version(1, 0) && v <= version(1, 2)) {
        if (m_legacyOblique != -1)
            GetParameters().Set(kTTParamOblique, m_legacyOblique);
        if (m_legacyHeight != 0.0)
            GetParameters().Set(kTTParamFontHeight, m_legacyHeight);
    }
    read(&IZnFiler::ReadMatrix, m_transform);
    if (v == version(1, 1)) {
        markModified();
        module::ConvertAcadToRtfThroughLoader(m_content, ZnsStringW(m_content), &m_links);
    }
    if (v >= version(1, 2))
        read(&IZnFiler::ReadId, m_format)(&IZnFiler::ReadBox, m_formatBounds);
    m_headerIndex = -1;
    m_headerCount = 0;
    if (v >= version(1, 4)) {
        ZnsStringW header;
        read(&IZnFiler::ReadString, header)(&IZnFiler::ReadDouble, m_extraValue);
        if (read.ok() && !header.empty()) {
            m_columnTexts.insert(m_columnTexts.begin(), header);
            m_headerIndex = 0;
            m_headerCount = 1;
        }
    }
    if (v >= version(1, 5))
        read(&IZnFiler::ReadInt32, m_headerIndex)(&IZnFiler::ReadInt32, m_headerCount);
    if (!read.ok())
        return E_FAIL;
    if (major < 2)
        if (ZnTT2EventsSink* sink = module::EventsSink())
            sink->AddPending(GetId());
    // The drawn texts are not stored: they are built again at the first draw.
    markModified();
    return filer.EndRecord();
}
