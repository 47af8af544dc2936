// The generator's raw step, for engine code that draws in bulk and forms the
// numbers itself exactly as randomInRange would.
#pragma once

#include <cstdint>

namespace nalvic {

// One step of the calling thread's generator; a value from 0 to 32767.
uint32_t nextRawRandom() noexcept;

}  // namespace nalvic
