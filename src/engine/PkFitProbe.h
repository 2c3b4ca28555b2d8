#pragma once
// Test seam of the fit: told the data weight of every core run as it ends,
// with the run's failure flag, which it may overwrite to steer the
// continuation. Unset in the program.

#include <functional>

namespace pk {

using CoreRunProbe = std::function<void(double dataWeight, int& fitFailed)>;

} // namespace pk
