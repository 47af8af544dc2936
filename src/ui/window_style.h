// The colour schemes laid over the standard controls of every window of the
// program: 1 blue, 2 olive green, 3 silver grey. Progress bars, tab heads
// and labels keep their own look.
#pragma once

#include <QString>
#include <cstdint>

namespace nalvic {

// The style sheet of a scheme; empty for any other value (no style).
QString windowStyleSheet(int32_t scheme);

// Applies the scheme to every window of the application, those created
// later included; any other value removes it.
void applyStyleScheme(int32_t scheme);

}  // namespace nalvic
