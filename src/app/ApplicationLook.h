#pragma once

class QApplication;

namespace app {

// The looks the View menu offers (ids 205 to 219): a Qt style and a palette
// each. Ids between the two families (211 to 214) are not looks.
bool IsApplicationLook(int id);

// The id itself when it is a look, the default look otherwise, so a damaged
// setting never leaves the designer without one.
int ValidApplicationLook(int id);

// Switches the whole application to the look at once. The native look is
// the style the desktop gave the application before any look was applied.
void ApplyApplicationLook(QApplication& application, int id);

// The style name a look uses ("windows", "fusion" or the native one).
const char* ApplicationLookStyleName(int id);

} // namespace app
