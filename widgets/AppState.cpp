#include "widgets/AppState.h"
