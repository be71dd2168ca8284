#pragma once

#include <vector>

namespace MarkupUI {
class CControlUI;
class CFormUI;
} // namespace MarkupUI

namespace bench {

// Makes the ten logo pictures of the dense ticket the process-wide archive.
void InstallDenseTicketPictures();
// Fills an 80 mm form of 640 x 800 units with about 100 elements: 60 texts,
// 25 shapes, 10 pictures and the 4 dynamic fields. Returns the texts.
std::vector<MarkupUI::CControlUI*> FillDenseTicket(MarkupUI::CFormUI& form);

} // namespace bench
