#include "settings/PressFileReader.h"

#include "settings/CLocaleScanner.h"
#include "settings/PressFields.h"

#include <iterator>
#include <utility>

namespace {

constexpr int32_t kBaseVersion = 1;

bool ReadValue(CLocaleScanner& scanner, const PressField& field, PressSettings& record)
{
    int32_t integer = 0;
    float real = 0.0f;
    switch (field.Kind) {
    case PressValueKind::Integer:
        if (!scanner.ScanInteger(integer))
            return false;
        record.*field.Integer = integer;
        return true;
    case PressValueKind::Flag:
        if (!scanner.ScanInteger(integer))
            return false;
        record.*field.Flag = integer != 0;
        return true;
    case PressValueKind::Real:
        if (!scanner.ScanReal(real))
            return false;
        record.*field.Real = real;
        return true;
    }
    return false;
}

// One line as the pattern "Key: <value>\n".
bool ReadLine(CLocaleScanner& scanner, const PressField& field, PressSettings& record)
{
    if (!scanner.MatchLiteral(field.Key) || !scanner.MatchLiteral(": ")
        || !ReadValue(scanner, field, record))
        return false;
    scanner.SkipWhiteSpace();
    return true;
}

} // namespace

std::unique_ptr<PressSettings> PressFileReader::Read(CLocaleScanner::Source source, std::string_view name)
{
    CLocaleScanner scanner(std::move(source));
    auto record = std::make_unique<PressSettings>(name);
    const auto baseEnd = std::begin(kPressFields) + kPressBaseLines;
    for (auto field = std::begin(kPressFields); field != baseEnd; ++field) {
        if (!ReadLine(scanner, *field, *record))
            return nullptr;
        if (field == std::begin(kPressFields) && record->Version <= 0)
            return nullptr;
    }
    record->Version = kBaseVersion;
    for (auto field = baseEnd; field != std::end(kPressFields); ++field) {
        if (!ReadLine(scanner, *field, *record))
            return record;
    }
    record->Version = PressSettings::kCurrentVersion;
    return record;
}
