#pragma once

#include "app/zelk_options.h"
#include "engine/design_case.h"

#include <string>

#include <gtest/gtest.h>

namespace files_test {

/// A design with a value other than the default in every field.
ZelkEngine::DesignCase unusualDesign();

/// Options with a value other than the default in every field.
app::ZelkOptions unusualOptions();

/// Compares every field, naming the ones that differ.
void expectSameDesign(const ZelkEngine::DesignCase& actual, const ZelkEngine::DesignCase& expected);

std::string dataDir();

}  // namespace files_test
