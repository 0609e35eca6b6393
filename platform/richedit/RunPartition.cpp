// Run-length partition: sorted run starts plus one value per run, with a pending step for the
// starts behind the last insertion. Lookups are binary searches; changes of the run structure
// apply the step first.
#include "platform/richedit/RunPartition.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zn::richedit {

RunPartition::RunPartition(bool mergeEqual, int initialValue)
    : m_mergeEqual(mergeEqual), m_starts{0, 0}, m_values{initialValue} {}

int RunPartition::RunAt(int position) const {
    // The last run start <= position.
    int low = 0, high = RunCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (start(middle) <= position)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

void RunPartition::applyStep(int index) {
    if (m_stepLength != 0)
        for (int i = m_stepRun + 1; i <= index; ++i)
            m_starts[size_t(i)] += m_stepLength;
    m_stepRun = index;
    if (m_stepRun >= int(m_starts.size()) - 1) {
        m_stepRun = int(m_starts.size()) - 1;
        m_stepLength = 0;
    }
}

void RunPartition::backStep(int index) {
    for (int i = index + 1; i <= m_stepRun; ++i)
        m_starts[size_t(i)] -= m_stepLength;
    m_stepRun = index;
}

void RunPartition::shiftAfter(int run, int delta) {
    if (m_stepLength == 0) {
        m_stepRun = run;
        m_stepLength = delta;
    } else if (run >= m_stepRun) {
        applyStep(run);
        m_stepLength += delta;
    } else if (run >= m_stepRun - RunCount() / 10) {
        // Just before the step: move it back rather than walk to the end.
        backStep(run);
        m_stepLength += delta;
    } else {
        applyStep();
        m_stepRun = run;
        m_stepLength = delta;
    }
    if (m_stepRun >= int(m_starts.size()) - 1)
        applyStep();
}

void RunPartition::InsertIn(int position, int length) {
    if (length > 0)
        shiftAfter(RunAt(position), length);
}

void RunPartition::InsertAfter(int position, int length) {
    if (length <= 0)
        return;
    int run = RunAt(position);
    if (position > 0 && RunStart(run) == position)
        --run;
    shiftAfter(run, length);
}

void RunPartition::Delete(int position, int length) {
    if (length <= 0)
        return;
    const int end = position + length;
    // Inside one run that keeps characters: only the starts behind it move.
    const int run = RunAt(position);
    if (end < RunEnd(run) || (end == RunEnd(run) && position > RunStart(run))) {
        shiftAfter(run, -length);
        return;
    }
    applyStep();
    // Starts inside the deleted range close up on `position`, those behind it move back; the
    // ones up to `run` stay. Only runs from `run` to the last closed-up one can become empty.
    const size_t count = m_starts.size();
    size_t behind = size_t(run) + 1;
    for (; behind < count && m_starts[behind] < end; ++behind)
        m_starts[behind] = position;
    for (size_t i = behind; i < count; ++i)
        m_starts[i] -= length;
    const size_t runs = m_values.size(), last = std::min(behind, runs);
    size_t out = size_t(run);
    for (size_t i = size_t(run); i < last; ++i) {
        if (m_starts[i] == m_starts[i + 1])
            continue;
        m_starts[out] = m_starts[i];
        m_values[out] = m_values[i];
        ++out;
    }
    if (out == 0 && last == runs) {
        // Everything went: one empty run stays, with the last run's value.
        m_values[0] = m_values[runs - 1];
        out = 1;
    }
    m_starts.erase(m_starts.begin() + std::ptrdiff_t(out), m_starts.begin() + std::ptrdiff_t(last));
    m_values.erase(m_values.begin() + std::ptrdiff_t(out), m_values.begin() + std::ptrdiff_t(last));
    m_starts[0] = 0;
    applyStep();
    if (m_mergeEqual)
        MergeAround(RunAt(position));
}

int RunPartition::SplitAt(int position) {
    if (position >= Length())
        return RunCount();
    const int run = RunAt(position);
    if (RunStart(run) == position)
        return run;
    applyStep();
    m_starts.insert(m_starts.begin() + run + 1, position);
    m_values.insert(m_values.begin() + run + 1, m_values[size_t(run)]);
    applyStep();
    return run + 1;
}

void RunPartition::SetRange(int start, int end, int value) {
    if (start < end)
        SetRuns(start, {{end - start, value}});
}

void RunPartition::SetRuns(int from, const std::vector<Piece>& pieces) {
    int to = from;
    for (const Piece& piece : pieces)
        to += piece.length;
    if (from >= to)
        return;
    // Typing in a run's own format changes no run: nothing to split, move or merge.
    const int holder = RunAt(from);
    if (m_mergeEqual && RunEnd(holder) >= to &&
        std::all_of(pieces.begin(), pieces.end(), [&](const Piece& piece) {
            return piece.length <= 0 || piece.value == Value(holder);
        }))
        return;
    const int first = SplitAt(from);
    const int afterLast = SplitAt(to);
    applyStep();
    std::vector<int> starts;
    std::vector<int> values;
    int position = from;
    for (const Piece& piece : pieces) {
        if (piece.length <= 0)
            continue;
        if (values.empty() || !m_mergeEqual || values.back() != piece.value) {
            starts.push_back(position);
            values.push_back(piece.value);
        }
        position += piece.length;
    }
    m_starts.erase(m_starts.begin() + first, m_starts.begin() + afterLast);
    m_values.erase(m_values.begin() + first, m_values.begin() + afterLast);
    m_starts.insert(m_starts.begin() + first, starts.begin(), starts.end());
    m_values.insert(m_values.begin() + first, values.begin(), values.end());
    applyStep();
    if (m_mergeEqual) {
        MergeAround(first + int(values.size()) - 1);
        MergeAround(first);
    }
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
    applyStep();
    m_starts.erase(m_starts.begin() + run);
    m_values.erase(m_values.begin() + run - 1);
    applyStep();
}

void RunPartition::MergeAround(int run) {
    // Joins `run` with equal neighbours on either side.
    if (run < 0 || run >= RunCount())
        return;
    const bool withNext = run + 1 < RunCount() && m_values[size_t(run)] == m_values[size_t(run) + 1];
    const bool withPrevious = run > 0 && m_values[size_t(run)] == m_values[size_t(run) - 1];
    if (!withNext && !withPrevious)
        return;
    applyStep();
    if (withNext) {
        m_starts.erase(m_starts.begin() + run + 1);
        m_values.erase(m_values.begin() + run + 1);
    }
    if (withPrevious) {
        m_starts.erase(m_starts.begin() + run);
        m_values.erase(m_values.begin() + run);
    }
    applyStep();
}

void RunPartition::Check() const {
    auto fail = [](const std::string& what) { throw std::logic_error("RunPartition: " + what); };
    if (m_values.empty() || m_starts.size() != m_values.size() + 1)
        fail("sizes");
    if (m_stepRun < 0 || m_stepRun >= int(m_starts.size()) ||
        (m_stepRun == int(m_starts.size()) - 1 && m_stepLength != 0))
        fail("pending step outside the starts");
    if (start(0) != 0)
        fail("first start not 0");
    for (int i = 0; i < RunCount(); ++i) {
        const bool soleEmpty = RunCount() == 1 && Length() == 0;
        if (start(i) >= start(i + 1) && !soleEmpty)
            fail("empty or reversed run " + std::to_string(i));
        if (m_mergeEqual && i > 0 && m_values[size_t(i)] == m_values[size_t(i) - 1])
            fail("equal neighbours at run " + std::to_string(i));
    }
}

} // namespace zn::richedit
