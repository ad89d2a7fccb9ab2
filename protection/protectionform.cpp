// Builds the protection page's form header with the library, so that the page
// and the tests that look at the bare form find it in the library's include path.
#include "ui_protectionwindow.h"
