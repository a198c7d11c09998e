#pragma once

namespace orvane {

// The floating-point status is cleared when a core procedure starts and tested after its results
// are stored: an overflow, a division by zero or an invalid operation raises the run-time error.
void ClearFloatingPointStatus();
void CheckFloatingPointStatus();

} // namespace orvane
