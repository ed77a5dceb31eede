#pragma once

#include <QString>

namespace orvanta {

// Renders the main window, or the form of `className` over it, to a PNG file.
// Returns the process exit code and says on stderr what went wrong.
int SaveScreenshot(const QString& file, const QString& className);

}  // namespace orvanta
