// Windows: the system's fonts are known without reading any configuration.
#include "toolkit/fontsetup.h"

void startReadingFontConfiguration() {}
