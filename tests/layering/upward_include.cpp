// Compiled as part of the document folder, which sits just below find: this must not build.
#include "find/DocumentSearch.h"
