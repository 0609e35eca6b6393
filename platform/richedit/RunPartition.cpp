// Run-length partition: sorted run starts plus one value per run. Lookups are binary
// searches; an edit shifts the starts behind it, which stays cheap for the run counts of real
// documents (a run start is one integer).
#include "platform/richedit/RunPartition.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zn::richedit {

RunPartition::RunPartition(bool mergeEqual, int initialValue)
    : m_mergeEqual(mergeEqual), m_starts{0, 0}, m_values{initialValue} {}

int RunPartition::RunAt(int position) const {
    // The last start <= position, among the run starts (not the end sentinel).
    auto it = std::upper_bound(m_starts.begin(), m_starts.end() - 1, position);
    return std::max(0, int(it - m_starts.begin()) - 1);
}

void RunPartition::InsertIn(int position, int length) {
    if (length <= 0)
        return;
    const int run = RunAt(position);
    for (size_t i = size_t(run) + 1; i < m_starts.size(); ++i)
        m_starts[i] += length;
}

void RunPartition::InsertAfter(int position, int length) {
    if (length <= 0)
        return;
    int run = RunAt(position);
    if (position > 0 && RunStart(run) == position)
        --run;
    for (size_t i = size_t(run) + 1; i < m_starts.size(); ++i)
        m_starts[i] += length;
}

void RunPartition::Delete(int position, int length) {
    if (length <= 0)
        return;
    const int end = position + length;
    for (int& start : m_starts)
        start = start <= position ? start : start < end ? position : start - length;
    // Drop runs that became empty, keeping one run when everything went.
    size_t out = 0;
    for (size_t run = 0; run < m_values.size(); ++run) {
        const bool empty = m_starts[run] == m_starts[run + 1];
        const bool lastSurvivor = out == 0 && run + 1 == m_values.size();
        if (empty && !lastSurvivor)
            continue;
        m_starts[out] = m_starts[run];
        m_values[out] = m_values[run];
        ++out;
    }
    m_starts[out] = m_starts.back();
    m_starts.resize(out + 1);
    m_values.resize(out);
    m_starts[0] = 0;
    if (m_mergeEqual)
        MergeAround(RunAt(position));
}

int RunPartition::SplitAt(int position) {
    if (position >= Length())
        return RunCount();
    const int run = RunAt(position);
    if (RunStart(run) == position)
        return run;
    m_starts.insert(m_starts.begin() + run + 1, position);
    m_values.insert(m_values.begin() + run + 1, m_values[size_t(run)]);
    return run + 1;
}

void RunPartition::SetRange(int start, int end, int value) {
    if (start >= end)
        return;
    const int first = SplitAt(start);
    const int afterLast = SplitAt(end);
    m_values[size_t(first)] = value;
    m_starts.erase(m_starts.begin() + first + 1, m_starts.begin() + afterLast);
    m_values.erase(m_values.begin() + first + 1, m_values.begin() + afterLast);
    if (m_mergeEqual)
        MergeAround(first);
}

void RunPartition::SetValue(int run, int value) {
    m_values[size_t(run)] = value;
    if (m_mergeEqual)
        MergeAround(run);
}

void RunPartition::JoinAt(int position) {
    if (position <= 0 || position >= Length())
        return;
    const int run = RunAt(position);
    if (RunStart(run) != position)
        return;
    m_starts.erase(m_starts.begin() + run);
    m_values.erase(m_values.begin() + run - 1);
}

void RunPartition::MergeAround(int run) {
    // Joins `run` with equal neighbours on either side.
    if (run + 1 < RunCount() && m_values[size_t(run)] == m_values[size_t(run) + 1]) {
        m_starts.erase(m_starts.begin() + run + 1);
        m_values.erase(m_values.begin() + run + 1);
    }
    if (run > 0 && m_values[size_t(run)] == m_values[size_t(run) - 1]) {
        m_starts.erase(m_starts.begin() + run);
        m_values.erase(m_values.begin() + run);
    }
}

void RunPartition::Check() const {
    auto fail = [](const std::string& what) { throw std::logic_error("RunPartition: " + what); };
    if (m_values.empty() || m_starts.size() != m_values.size() + 1)
        fail("sizes");
    if (m_starts[0] != 0)
        fail("first start not 0");
    for (size_t i = 0; i + 1 < m_starts.size(); ++i) {
        const bool soleEmpty = m_values.size() == 1 && Length() == 0;
        if (m_starts[i] >= m_starts[i + 1] && !soleEmpty)
            fail("empty or reversed run " + std::to_string(i));
        if (m_mergeEqual && i > 0 && m_values[i] == m_values[i - 1])
            fail("equal neighbours at run " + std::to_string(i));
    }
}

} // namespace zn::richedit
