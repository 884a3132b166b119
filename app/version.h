#pragma once

#include <string>

namespace app {

/// The program's file version text, four dot-separated numbers ("3.1.0.0"), set once by the build
/// for the whole program: the about box, the version line of design files and the update check.
std::string fileVersionText();

/// The first two numbers of the version ("3.1"), as the window caption "Brantwick Zelk 3.1" shows.
std::string shortVersionText();

}  // namespace app
