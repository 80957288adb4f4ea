#pragma once

namespace vostrelund {

// The whole program: one copy per session, the windows, the settings and the list, the event loop.
// Returns 0 in every case.
int RunVostrelund(const char* programName);

}  // namespace vostrelund
