// A run-length partition of [0, length) into runs, each carrying an integer value. Character
// formats keep their runs here (values index a table of unique formats, equal neighbours
// merged), and paragraphs keep theirs (one run per paragraph, values index paragraph formats).
#pragma once

#include <cstddef>
#include <vector>

namespace zn::richedit {

class RunPartition {
public:
    // `mergeEqual`: neighbouring runs with equal values are joined after every change.
    explicit RunPartition(bool mergeEqual, int initialValue = 0);

    int Length() const { return m_starts.back(); }
    int RunCount() const { return int(m_values.size()); }
    int RunStart(int run) const { return m_starts[size_t(run)]; }
    int RunEnd(int run) const { return m_starts[size_t(run) + 1]; }
    int Value(int run) const { return m_values[size_t(run)]; }
    // The run holding `position`; the last run for `position` == Length().
    int RunAt(int position) const;
    int ValueAt(int position) const { return Value(RunAt(position)); }

    // Lengthens the run holding `position` (the last run at the end) by `length`.
    void InsertIn(int position, int length);
    // Lengthens the run ending at `position` (the first run at 0) by `length`.
    void InsertAfter(int position, int length);
    // Removes [position, position + length); runs left empty disappear, but at least one run
    // (possibly empty) always remains.
    void Delete(int position, int length);
    // Makes `position` a run start (no-op at an existing start or at the end); returns the run
    // that starts there.
    int SplitAt(int position);
    // Gives [start, end) one value.
    void SetRange(int start, int end, int value);
    void SetValue(int run, int value);
    // Removes the run start at `position` (if it is one and not 0): the run before is joined
    // to the run at `position`, which keeps its value.
    void JoinAt(int position);

    // Throws std::logic_error when an invariant is broken.
    void Check() const;

private:
    void MergeAround(int run);
    bool m_mergeEqual;
    std::vector<int> m_starts; // RunCount() + 1 entries; the last is Length()
    std::vector<int> m_values;
};

} // namespace zn::richedit
