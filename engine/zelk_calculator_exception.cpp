#include "engine/zelk_calculator_exception.h"

#include <utility>

namespace ZelkEngine {

ZelkCalculatorException::ZelkCalculatorException(std::int32_t code, std::string message,
                                                 double value1, double value2)
    : m_code(code), m_message(std::move(message)), m_value1(value1), m_value2(value2) {}

const char* ZelkCalculatorException::what() const noexcept {
    return m_message.c_str();
}

}  // namespace ZelkEngine
