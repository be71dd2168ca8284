#pragma once

namespace panes {

// Ids of the sheet's top-level rows; the properties pane dispatches a
// committed edit on them. Sub-rows carry None.
enum class PropertyRowId : int
{
    None = 0,
    Pos = 1,
    Font = 2,
    Dpi = 3,
    Margin = 4,
    PaperWidth = 5,
    DigitLength = 6,
    EndingNumber = 7,
    StartingNumber = 8,
    NumberReset = 9,
    PrintTimes = 10,
    Department = 11,
    Image = 12,
    Text = 13,
    QueuingSample = 14,
    WaitingSample = 15,
    CurrentSample = 16,
    TimeText = 17,
    TimeFormat = 18,
    BorderSize = 19,
};

} // namespace panes
