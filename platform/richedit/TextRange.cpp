// Text ranges that follow the model's edits (the model moves their ends).
#include "platform/richedit/TextRange.h"

#include <algorithm>

namespace zn::richedit {

TextRange::TextRange(RichEditModel& model, int start, int end)
    : m_model(&model), m_start(0), m_end(0) {
    m_model->Register(this);
    SetRange(start, end);
}

TextRange::TextRange(const TextRange& other)
    : m_model(other.m_model), m_start(other.m_start), m_end(other.m_end) {
    if (m_model)
        m_model->Register(this);
}

TextRange& TextRange::operator=(const TextRange& other) {
    if (this == &other)
        return *this;
    if (m_model)
        m_model->Unregister(this);
    m_model = other.m_model;
    m_start = other.m_start;
    m_end = other.m_end;
    if (m_model)
        m_model->Register(this);
    return *this;
}

TextRange::~TextRange() {
    if (m_model)
        m_model->Unregister(this);
}

void TextRange::SetStart(int position) {
    m_start = std::clamp(position, 0, m_model->GetTextLength());
    m_end = std::max(m_end, m_start);
}

void TextRange::SetEnd(int position) {
    m_end = std::clamp(position, 0, m_model->GetTextLength());
    m_start = std::min(m_start, m_end);
}

void TextRange::SetRange(int start, int end) {
    const int length = m_model->GetTextLength();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    m_start = std::min(start, end);
    m_end = std::max(start, end);
}

void TextRange::Collapse(bool toStart) {
    if (toStart)
        m_end = m_start;
    else
        m_start = m_end;
}

int TextRange::UnitBoundary(TextUnit unit, int position, int direction) const {
    const int length = m_model->GetTextLength();
    switch (unit) {
    case TextUnit::Character:
        return std::clamp(position + direction, 0, length);
    case TextUnit::Story:
        return direction < 0 ? 0 : length;
    case TextUnit::Paragraph: {
        const RichDocument& doc = m_model->Document();
        const int paragraph = doc.ParagraphOf(position);
        if (direction < 0) {
            const int start = doc.ParagraphStart(paragraph);
            return start < position ? start : paragraph > 0 ? doc.ParagraphStart(paragraph - 1) : 0;
        }
        return std::min(doc.ParagraphTextEnd(paragraph) + 1, length);
    }
    }
    return position;
}

int TextRange::Expand(TextUnit unit) {
    const int before = m_end - m_start;
    const RichDocument& doc = m_model->Document();
    switch (unit) {
    case TextUnit::Character:
        if (m_start == m_end)
            m_end = std::min(m_end + 1, m_model->GetTextLength());
        break;
    case TextUnit::Story:
        m_start = 0;
        m_end = m_model->GetTextLength();
        break;
    case TextUnit::Paragraph: {
        const int last = doc.ParagraphOf(m_end > m_start ? m_end - 1 : m_end);
        m_start = doc.ParagraphStart(doc.ParagraphOf(m_start));
        m_end = std::min(doc.ParagraphTextEnd(last) + 1, m_model->GetTextLength());
        break;
    }
    }
    return (m_end - m_start) - before;
}

int TextRange::MoveEndpoint(int& endpoint, TextUnit unit, int count) {
    int moved = 0;
    for (; moved < std::abs(count); ++moved) {
        const int next = UnitBoundary(unit, endpoint, count < 0 ? -1 : 1);
        if (next == endpoint)
            break;
        endpoint = next;
    }
    return count < 0 ? -moved : moved;
}

int TextRange::MoveStart(TextUnit unit, int count) {
    const int moved = MoveEndpoint(m_start, unit, count);
    m_end = std::max(m_end, m_start);
    return moved;
}

int TextRange::MoveEnd(TextUnit unit, int count) {
    const int moved = MoveEndpoint(m_end, unit, count);
    m_start = std::min(m_start, m_end);
    return moved;
}

int TextRange::Move(TextUnit unit, int count) {
    Collapse(count < 0);
    const int moved = MoveEnd(unit, count);
    Collapse(count < 0);
    return moved;
}

ZnsStringW TextRange::GetText() const {
    return m_model->GetTextRange(m_start, m_end);
}

bool TextRange::SetText(std::u16string_view text) {
    if (!m_model->AllowEdit(m_start, m_end, ProtectedEditKind::ReplaceText))
        return false;
    const int start = m_start;
    const RichText insertion =
        m_model->PlainInsertion(text, start, m_model->InsertionFormatAt(m_start, m_end));
    m_model->ReplaceRange(m_start, m_end, insertion, true, false, std::nullopt);
    m_start = start;
    m_end = start + int(insertion.text.size());
    return true;
}

CharFormat TextRange::GetFont() const {
    return m_model->GetCharFormat(m_start, m_end);
}

bool TextRange::SetFont(const CharFormat& format) {
    return m_model->SetCharFormat(m_start, m_end, format);
}

ParaFormat TextRange::GetPara() const {
    return m_model->GetParaFormat(m_start, m_end);
}

bool TextRange::SetPara(const ParaFormat& format) {
    return m_model->SetParaFormat(m_start, m_end, format);
}

void TextRange::Select() const {
    m_model->SetSel(m_start, m_end);
}

} // namespace zn::richedit
