#include "ext.h"

namespace tervox::calc {

void RaiseDivisionByZero() { throw FloatingPointError("Floating point division by zero"); }
void RaiseInvalidOperation() { throw FloatingPointError("Invalid floating point operation"); }
void RaiseOverflow() { throw FloatingPointError("Floating point overflow"); }

} // namespace tervox::calc
