#include "ui/window_registry.h"

#include <map>

namespace orvanta::ui {
namespace {

std::map<std::string, WindowFactory, std::less<>>& Factories() {
    static std::map<std::string, WindowFactory, std::less<>> factories;
    return factories;
}

}  // namespace

void RegisterWindow(std::string className, WindowFactory factory) {
    Factories()[std::move(className)] = std::move(factory);
}

bool IsWindowRegistered(std::string_view className) {
    return Factories().find(className) != Factories().end();
}

std::vector<std::string> RegisteredWindows() {
    std::vector<std::string> names;
    for (const auto& [name, factory] : Factories()) names.push_back(name);
    return names;
}

std::unique_ptr<QDialog> CreateWindow(std::string_view className, QWidget* owner) {
    const auto it = Factories().find(className);
    if (it == Factories().end()) return nullptr;
    return it->second(owner);
}

bool OpenWindow(std::string_view className, QWidget* owner) {
    std::unique_ptr<QDialog> window = CreateWindow(className, owner);
    if (!window) return false;
    window->exec();
    return true;
}

}  // namespace orvanta::ui
