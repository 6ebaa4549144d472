#include "ext.h"

namespace tervox::calc {

void RaiseDivisionByZero() { throw FloatingPointError("Floating point division by zero"); }
void RaiseInvalidOperation() { throw FloatingPointError("Invalid floating point operation"); }
void RaiseOverflow() { throw FloatingPointError("Floating point overflow"); }

void RaiseFaultFor(long double result) {
    if (std::isinf(result))
        RaiseOverflow();
    RaiseInvalidOperation();
}

} // namespace tervox::calc
