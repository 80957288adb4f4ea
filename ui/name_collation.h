#pragma once

#include "storage/watch_list.h"

namespace vostrelund {

// The user locale's collation, case-sensitive: the order of the watch list's rows.
NameOrder LocaleNameOrder();

}  // namespace vostrelund
