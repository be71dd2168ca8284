#pragma once

namespace check {

class CheckContext;

// Images: a file an image string names that the template's archive does
// not hold or cannot decode, and pictures the black-and-white rule turns
// almost wholly white or black on the page.
void CheckPictures(CheckContext& context);

} // namespace check
