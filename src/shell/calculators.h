#pragma once

#include <vector>

#include "forms/form_description.h"

namespace orvanta {

// Every form description the program has, from all calculator folders.
std::vector<const FormDescription*> AllFormDescriptions();
const FormDescription* FindFormDescription(std::string_view className);

// Makes every form (and every other window opened by class name) known to
// ui::OpenWindow. Safe to call more than once.
void RegisterWindows();

}  // namespace orvanta
