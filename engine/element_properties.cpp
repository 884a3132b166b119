#include "engine/element_properties.h"

#include "engine/api_rod_numbers.h"
#include "engine/calculation_case.h"
#include "engine/engine_constants.h"
#include "engine/taper_codes.h"

namespace ZelkEngine {

namespace {

// A boundary lying less than this above a node belongs to the element below the node, so a
// boundary on a node is not lost to rounding of the accumulated element lengths.
constexpr double kBoundaryTolerance = 0.001;  // ft

struct Section {
    double m_stiffness;  // E x A, lb
    double m_weight;     // lb/ft
};

}  // namespace

JunctionElement ElementProperties(const CalculationCase& calculationCase,
                                  const std::vector<double>& sectionFractions,
                                  std::int32_t elementCount, double dx,
                                  std::vector<double>& stiffness, std::vector<double>& coupleUp,
                                  std::vector<double>& coupleDown) {
    const double depth = calculationCase.Inputs.Depth;
    const bool fiberglass = calculationCase.Inputs.RodType == 1;
    // Fiberglass strings run fiberglass (code 1) then steel (code 2); API strings run from the
    // largest rod down, one eighth of an inch per section.
    const std::int32_t topCode =
        fiberglass ? kTaperFiberglass : ApiRodTopCode(calculationCase.Inputs.RodNumber);
    const std::int32_t codeStep = fiberglass ? 1 : -1;
    const std::size_t sectionCount = sectionFractions.size();

    std::vector<Section> sections;
    sections.reserve(sectionCount);
    for (std::size_t h = 0; h < sectionCount; ++h) {
        const std::int32_t code = topCode + codeStep * static_cast<std::int32_t>(h);
        const double area = TaperArea(code, calculationCase);
        const double weight = TaperWeight(code, calculationCase);
        sections.push_back({TaperModulus(code) * area, weight});
    }

    const std::size_t m = static_cast<std::size_t>(elementCount);
    stiffness.assign(m + 1, 0.0);
    coupleUp.assign(m, 0.0);
    coupleDown.assign(m, 0.0);
    std::vector<double> massPerFoot(m + 1, 0.0);  // slug/ft

    JunctionElement junction;
    std::size_t h = 0;  // current section
    double y = 0.0;     // distance into it, ft
    // The bottom section has no boundary below it: never step past it, whatever the rounding.
    auto boundaryAhead = [&]() {
        return h + 1 < sectionCount && y > depth * sectionFractions[h] + kBoundaryTolerance;
    };
    for (std::size_t i = 1; i <= m; ++i) {
        y = y + dx;
        if (boundaryAhead()) {
            junction.m_index = static_cast<std::int32_t>(i);
            y = y - depth * sectionFractions[h];
            double phi = y / dx;
            const Section& upper = sections[h];
            h = h + 1;
            if (!boundaryAhead()) {
                const Section& lower = sections[h];
                stiffness[i] = 1.0 / ((1.0 - phi) / upper.m_stiffness + phi / lower.m_stiffness);
                massPerFoot[i] = (upper.m_weight * (1.0 - phi) + lower.m_weight * phi) / kGravity;
            } else {
                // Sections shorter than the element lie wholly inside it: add every part's
                // compliance and weight by its share of the element length.
                double compliance = (1.0 - phi) / upper.m_stiffness;
                double weight = upper.m_weight * (1.0 - phi);
                while (boundaryAhead()) {
                    const double share = depth * sectionFractions[h] / dx;
                    compliance += share / sections[h].m_stiffness;
                    weight += sections[h].m_weight * share;
                    y = y - depth * sectionFractions[h];
                    h = h + 1;
                }
                phi = y / dx;
                compliance += phi / sections[h].m_stiffness;
                weight += sections[h].m_weight * phi;
                stiffness[i] = 1.0 / compliance;
                massPerFoot[i] = weight / kGravity;
            }
            junction.m_lowerFraction = phi;
        } else {
            stiffness[i] = sections[h].m_stiffness;
            massPerFoot[i] = sections[h].m_weight / kGravity;
        }
        const double nodeMass = (massPerFoot[i - 1] + massPerFoot[i]) / 2.0;
        coupleUp[i - 1] = stiffness[i - 1] / nodeMass / (dx * dx);
        coupleDown[i - 1] = stiffness[i] / nodeMass / (dx * dx);
    }
    return junction;
}

}  // namespace ZelkEngine
