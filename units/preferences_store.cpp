#include "units/preferences_store.h"
