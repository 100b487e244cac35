// Commands whose windows are still being built; each moves to its own file.
#include "catalogue/TForm1.h"

