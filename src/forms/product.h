#pragma once

#include <string_view>

#include "orvanta_version.h"

namespace orvanta {

inline constexpr std::string_view kProductName = "Orvanta";
inline constexpr std::string_view kVersion = ORVANTA_VERSION;
inline constexpr std::string_view kDesktopFileName = "org.example.Orvanta";
// Shown in the About box and, in capitals, at the foot of the payment plan.
inline constexpr std::string_view kWebAddress = "https://orvanta.example/";
inline constexpr std::string_view kCopyrightYear = "2026";
inline constexpr std::string_view kMakerLine = "\u00A9 2026 The Orvanta developers";

}  // namespace orvanta
