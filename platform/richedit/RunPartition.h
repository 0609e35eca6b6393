// A run-length partition of [0, length) into runs, each carrying an integer value. Character
// formats keep their runs here (values index a table of unique formats, equal neighbours
// merged), and paragraphs keep theirs (one run per paragraph, values index paragraph formats).
//
// Typing lengthens one run and moves every later start. The move is kept pending, as a step
// (the starts of the runs after `m_stepRun` are `m_stepLength` further on than stored) and
// applied only as far as later changes and reads need, so consecutive keystrokes at one place
// cost no walk over the starts behind them.
#pragma once

#include <cstddef>
#include <vector>

namespace zn::richedit {

class RunPartition {
public:
    // `mergeEqual`: neighbouring runs with equal values are joined after every change.
    explicit RunPartition(bool mergeEqual, int initialValue = 0);

    int Length() const { return start(RunCount()); }
    int RunCount() const { return int(m_values.size()); }
    int RunStart(int run) const { return start(run); }
    int RunEnd(int run) const { return start(run + 1); }
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
    // Gives consecutive pieces from `start` on their values in one pass over the runs.
    struct Piece {
        int length;
        int value;
    };
    void SetRuns(int start, const std::vector<Piece>& pieces);
    void SetValue(int run, int value);
    // Removes the run start at `position` (if it is one and not 0): the run before is joined
    // to the run at `position`, which keeps its value.
    void JoinAt(int position);

    // Throws std::logic_error when an invariant is broken.
    void Check() const;

private:
    int start(int index) const {
        return m_starts[size_t(index)] + (index > m_stepRun ? m_stepLength : 0);
    }
    // The starts after `run` move by `delta`: joined to the pending step when it is near.
    void shiftAfter(int run, int delta);
    // Applies the pending step to the stored starts up to `index`.
    void applyStep(int index);
    void applyStep() { applyStep(int(m_starts.size()) - 1); }
    void backStep(int index);
    void MergeAround(int run);

    bool m_mergeEqual;
    std::vector<int> m_starts; // RunCount() + 1 entries; the last is Length()
    std::vector<int> m_values;
    int m_stepRun = 0;
    int m_stepLength = 0;
};

} // namespace zn::richedit
