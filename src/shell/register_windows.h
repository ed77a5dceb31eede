#pragma once

#include "catalogue/catalogue.h"

namespace orvanta {

// Makes every form the catalogue reaches (and every other window opened by
// class name) known to ui::OpenWindow. Safe to call more than once.
void RegisterWindows();

}  // namespace orvanta
