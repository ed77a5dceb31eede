#pragma once

// Windows are opened by their class name, the name the catalogue and the
// descriptions use. Each kind of window registers a factory once at start-up.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace orvanta::ui {

// The class name under which the application registers its About box; the
// report's Help menu opens it by this name.
inline constexpr std::string_view kAboutWindow = "CAboutDlg";

using WindowFactory = std::function<std::unique_ptr<QDialog>(QWidget* owner)>;

void RegisterWindow(std::string className, WindowFactory factory);
bool IsWindowRegistered(std::string_view className);
std::vector<std::string> RegisteredWindows();

// A fresh window over `owner`, not yet shown; null for an unknown name.
std::unique_ptr<QDialog> CreateWindow(std::string_view className, QWidget* owner);

// Creates the window, runs it modally and destroys it when it closes. An
// unknown name opens nothing and returns false.
bool OpenWindow(std::string_view className, QWidget* owner);

}  // namespace orvanta::ui
