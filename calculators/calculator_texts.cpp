#include "calculators/calculator_texts.h"

#include "app/string_table.h"

#include <utility>

namespace calc {

CalculatorTexts CalculatorTexts::FromStringTable() {
    CalculatorTexts texts;
    const auto take = [](int id, std::string& into) {
        std::string text = app::loadString(id);
        if (!text.empty()) {
            into = std::move(text);
        }
    };
    take(348, texts.m_invalidHeader);
    take(363, texts.m_rangeInclusive);
    take(344, texts.m_greaterThan);
    take(244, texts.m_oilGravity);
    take(245, texts.m_waterCut);
    take(246, texts.m_waterSpecificGravity);
    take(118, texts.m_fluidSpecificGravity);
    take(347, texts.m_sinkerBarTooLarge);
    take(267, texts.m_clearance);
    take(271, texts.m_fluidViscosity);
    take(272, texts.m_plungerLength);
    take(369, texts.m_calculationErrorHeader);
    take(370, texts.m_clearanceZero);
    take(371, texts.m_slippageExceedsDisplacement);
    return texts;
}

}  // namespace calc
