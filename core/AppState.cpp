#include "core/AppState.h"
