#include "ModuleToolbarColor.h"
