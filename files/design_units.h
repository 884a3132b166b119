#pragma once

namespace units {
class CUnitsManager;
}
namespace ZelkEngine {
struct DesignCase;
}

namespace files {

/// Makes the twelve display units that a design names the current units of their categories.
/// A name the catalogue does not know, or a unit of another kind than the category shows,
/// leaves the category with its oilfield unit rather than with none.
void ApplyDesignDisplayUnits(const ZelkEngine::DesignCase& design, units::CUnitsManager& catalogue);

/// The design as read from a keyed-text file (numbers in the display units it names) with every
/// number in the internal unit of its category. Unit names are taken as ApplyDesignDisplayUnits
/// takes them; the rod sizes are converted only for files of 3.0.11 and later. The twelve unit
/// names of the result are those the catalogue then shows.
ZelkEngine::DesignCase DesignInInternalUnits(const ZelkEngine::DesignCase& fileDesign,
                                             const units::CUnitsManager& catalogue);

/// The reverse, for saving: every number converted from its internal unit to the current
/// display unit of its category, and the twelve current units named in the design.
ZelkEngine::DesignCase DesignInDisplayUnits(const ZelkEngine::DesignCase& internalDesign,
                                            const units::CUnitsManager& catalogue);

}  // namespace files
