#pragma once

// The shell builds its pages from the core's catalogue table.
#include "catalogue/catalogue.h"
