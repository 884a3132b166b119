#include "calculators/anchor_guard.h"

#include "app/string_table.h"

namespace calc {

std::string AnchorGuardText(AnchorGuard guard) {
    return app::loadString(static_cast<int>(guard));
}

}  // namespace calc
