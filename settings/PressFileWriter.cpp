#include "settings/PressFileWriter.h"

#include "settings/PressFields.h"

#include <charconv>

namespace {

// Wide enough for %f of the largest double (309 digits, point, six decimals, sign).
constexpr size_t kValueBufferSize = 330;
constexpr int kRealDecimals = 6;

std::string FormatValue(const PressField& field, const PressSettings& record)
{
    char buffer[kValueBufferSize];
    std::to_chars_result result {};
    switch (field.Kind) {
    case PressValueKind::Integer:
        result = std::to_chars(buffer, buffer + sizeof buffer, record.*field.Integer);
        break;
    case PressValueKind::Flag:
        result = std::to_chars(buffer, buffer + sizeof buffer, record.*field.Flag ? 1 : 0);
        break;
    case PressValueKind::Real:
        result = std::to_chars(buffer, buffer + sizeof buffer, record.*field.Real,
                               std::chars_format::fixed, kRealDecimals);
        break;
    }
    return std::string(buffer, result.ptr);
}

} // namespace

std::string PressFileWriter::Format(const PressSettings& record)
{
    std::string text;
    for (const PressField& field : kPressFields) {
        text += field.Key;
        text += ": ";
        text += FormatValue(field, record);
        text += '\n';
    }
    return text;
}
