#include "module/TableCtrl.h"

#include <stdexcept>

void CTableCtrl::SetRecordCount(int count) {
    size_t size = count < 0 ? 0 : size_t(count);
    m_attributes.resize(size, 0);
    m_linkedData.resize(size, 0);
    m_largeData.resize(size, nullptr);
}

int CTableCtrl::ClipboardIsEmpty() const {
    return m_clipboard == nullptr ? 1 : 0;
}

int CTableCtrl::CanMove(int, int, int) {
    return 1;
}

void CTableCtrl::Finish() {}

void CTableCtrl::SetDefaultRecordImage(int image) {
    m_defaultImage = image;
}

void CTableCtrl::SetLengthLimit(int limit) {
    m_lengthLimit = std::uint32_t(limit);
}

std::uint32_t CTableCtrl::GetLengthLimit() const {
    return m_lengthLimit;
}

void CTableCtrl::SetRecordAttributes(int record, unsigned char attributes) {
    if (!has(record))
        throw std::invalid_argument("CTableCtrl: no record " + std::to_string(record));
    m_attributes[size_t(record)] = attributes;
}

unsigned char CTableCtrl::GetRecordAttributes(int record) const {
    return has(record) ? m_attributes[size_t(record)] : 0;
}

void CTableCtrl::SetRecordLinkedData(int record, unsigned int data, TableLinkedData* large) {
    if (!has(record))
        return;
    m_linkedData[size_t(record)] = data;
    m_largeData[size_t(record)] = large;
}

unsigned int CTableCtrl::GetRecordLinkedData(int record) const {
    return has(record) ? m_linkedData[size_t(record)] : 0;
}

TableLinkedData* CTableCtrl::GetRecordLinkedLargeData(int record) const {
    return has(record) ? m_largeData[size_t(record)] : nullptr;
}

void CTableCtrl::SelectCell(int row, int column) {
    m_selectedRow = row;
    m_selectedColumn = column;
}

void CTableCtrl::GetSelectedCell(int& row, int& column) const {
    row = m_selectedRow;
    column = m_selectedColumn;
}
