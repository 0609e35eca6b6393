// CTableCtrl: the table control whose members sibling modules call. Its record arrays live
// in the object; each member touches only its own field. The members are defined out of
// line so that the library exports every one of them.
#pragma once

#include <cstdint>
#include <vector>

struct TableLinkedData;

class __attribute__((visibility("default"))) CTableCtrl {
public:
    CTableCtrl() = default;
    virtual ~CTableCtrl() = default;

    // The number of records the arrays hold (new records start cleared).
    void SetRecordCount(int count);
    int GetRecordCount() const { return int(m_attributes.size()); }
    void SetClipboard(void* clipboard) { m_clipboard = clipboard; }

    int ClipboardIsEmpty() const;
    virtual int CanMove(int from, int to, int flags);
    virtual void Finish();
    void SetDefaultRecordImage(int image);
    int GetDefaultRecordImage() const { return m_defaultImage; }
    // Throws std::invalid_argument for a record outside the array.
    void SetRecordAttributes(int record, unsigned char attributes);
    unsigned char GetRecordAttributes(int record) const;
    // Ignored for a record outside the array.
    void SetRecordLinkedData(int record, unsigned int data, TableLinkedData* large);
    unsigned int GetRecordLinkedData(int record) const;
    TableLinkedData* GetRecordLinkedLargeData(int record) const;
    void SetLengthLimit(int limit);
    std::uint32_t GetLengthLimit() const;
    void SelectCell(int row, int column);
    void GetSelectedCell(int& row, int& column) const;

private:
    bool has(int record) const { return record >= 0 && record < int(m_attributes.size()); }

    void* m_clipboard = nullptr;
    int m_defaultImage = 0;
    std::vector<unsigned char> m_attributes;
    std::vector<unsigned int> m_linkedData;
    std::vector<TableLinkedData*> m_largeData;
    std::uint32_t m_lengthLimit = 0;
    int m_selectedRow = -1;
    int m_selectedColumn = -1;
};
