#pragma once

#include "controls/ControlUI.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace editor {

// The four arrow-key nudges.
enum class NudgeDirection
{
    Left,
    Up,
    Right,
    Down,
};

// Moves each element one step; an element whose moved rectangle would no
// longer touch its parent stays. True when at least one element moved.
bool NudgeElements(const std::vector<MarkupUI::ControlPtr>& elements, NudgeDirection direction, int step);

// One run of arrow-key nudges: the repeats of one key within a second of
// each other on the same elements make one undoable change.
class MicoMove : public std::enable_shared_from_this<MicoMove>
{
public:
    // How long a run waits for the next repeat.
    static constexpr int64_t kMergeWindowMs = 1000;

    MicoMove(NudgeDirection direction, int64_t nowNs, std::vector<MarkupUI::ControlPtr> elements);

    // Whether a press now, in that direction, on those elements continues this run.
    bool Continues(NudgeDirection direction, int64_t nowNs, const std::vector<MarkupUI::ControlPtr>& elements) const;
    // Nudges by one pixel; true when something moved.
    bool Nudge(int64_t nowNs);

    bool IsRecorded() const { return m_recorded; }
    void SetRecorded() { m_recorded = true; }
    const std::vector<MarkupUI::ControlPtr>& Elements() const { return m_elements; }
    // Puts the elements where the run found them (undo) or left them (redo).
    void Apply(bool undo) const;

private:
    bool m_recorded = false;
    NudgeDirection m_direction;
    int64_t m_lastTimeNs;
    std::vector<MarkupUI::ControlPtr> m_elements;
    std::vector<platform::Rect> m_before;
    std::vector<platform::Rect> m_after;
};

// Gives elements rectangles in page coordinates: the offset from the
// parent, then the height, then the width, as a drag or undo leaves them.
void PlaceElements(const std::vector<MarkupUI::ControlPtr>& elements, const std::vector<platform::Rect>& rects);
// The parent lays its children out again.
void LayOutParent(MarkupUI::CControlUI* element);

} // namespace editor
