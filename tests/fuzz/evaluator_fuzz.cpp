// libFuzzer target: the evaluator must give the bytes of the literal
// pass-by-pass rewriting on any input, and never crash, hang or overflow.
#include "core/evaluator.h"
#include "reference_evaluator.h"

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The literal rewriting copies the whole text every pass; longer inputs
    // only slow the search down without reaching new cases.
    if (size > 4096)
        return 0;
    const std::string expression(reinterpret_cast<const char*>(data), size);
    const calc::Evaluation fast = calc::evaluate(expression);
    const calc::Evaluation literal = reference::evaluate(expression);
    if (fast.text != literal.text || fast.divisionError != literal.divisionError) {
        std::fprintf(stderr, "evaluator \"%s\" (%d), literal rewriting \"%s\" (%d)\n", fast.text.c_str(),
                     fast.divisionError, literal.text.c_str(), literal.divisionError);
        std::abort();
    }
    return 0;
}
