// Whether the driver runs under wine rather than on Windows.
#pragma once

namespace e2e {

bool RunningUnderWine();

}  // namespace e2e
