// "HL Ink Suite" and "HL InkBook Suite".

#include "plugin/suites/HLInkBookSuite.h"
#include "plugin/suites/HLInkSuite.h"
#include "sim/kiln/BufferText.h"
#include "sim/kiln/EngineCall.h"
#include "sim/kiln/EngineSuites.h"

namespace kiln {
namespace {

// The only ink list the engine has: the current document's, which are its job's inks.
constexpr ASInt32 kDocumentInks = 0;

ASErr ResetInkIteration(ASInt32 list)
{
    return Answered(CallText("ResetInkIteration").Int(list), kKilnNotStartedError, [=](Engine& engine) {
        if (list != kDocumentInks)
            return kKilnBadParameterError;
        engine.Inks().ResetIteration(engine.Jobs().CurrentDocumentInks());
        return kNoErr;
    });
}

ASInt32 NextInk(ASInt32 list, HLInkRef* ink)
{
    return Answered(CallText("NextInk").Int(list), 0, [=](Engine& engine) {
        if (list != kDocumentInks || !ink)
            return 0;
        *ink = engine.Inks().Next();
        return *ink ? 1 : 0;
    });
}

ASErr GetInkName(HLInkRef ink, char* buffer, ASInt32 size)
{
    CallText call("GetInkName");
    Engine* current = Engine::Current();
    const std::string* name = current ? current->Inks().NameOf(ink) : nullptr;
    if (name)
        call.Text(name->c_str());
    else
        call.Word("unknown ink");
    return Answered(call.Int(size), kKilnNotStartedError, [=](Engine&) {
        if (!name)
            return kKilnUnknownHandleError;
        return WriteText(*name, buffer, size) ? kNoErr : kKilnBadParameterError;
    });
}

AIBoolean FindInBook(const char* inkName, char* bookEntry, ASInt32 size)
{
    return Answered(CallText("FindInBook").Text(inkName).Int(size), AIBoolean{0}, [=](Engine& engine) {
        const std::optional<std::string> entry = inkName ? engine.Book().Find(inkName) : std::nullopt;
        if (entry)
            WriteText(*entry, bookEntry, size);
        return static_cast<AIBoolean>(entry.has_value());
    });
}

const HLInkSuite kInk = {{}, ResetInkIteration, NextInk, {}, GetInkName};
const HLInkBookSuite kInkBook = {{}, FindInBook};

}  // namespace

const HLInkSuite& InkSuiteTable()
{
    return kInk;
}

const HLInkBookSuite& InkBookSuiteTable()
{
    return kInkBook;
}

}  // namespace kiln
