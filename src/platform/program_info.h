#pragma once
// Ovix's name, version and web site as the user sees them.
#include "platform/program_version.h"

// The version text shown in the scene and compared by the update check.
constexpr const char* programVersion = "Ovix " OVIX_VERSION_TEXT;
// Who made it, shown after the version under the logo wheel.
constexpr const char* programCredits = "© vývojáři Ovixu";
// The project's web site, in front of every page path.
constexpr const char* webSiteAddress = "http://ovix.example.org";
