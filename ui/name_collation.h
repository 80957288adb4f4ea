#pragma once

#include <QLocale>

#include "storage/watch_list.h"

namespace vostrelund {

// The user locale's collation, case-sensitive: the order of the watch list's rows.
NameOrder LocaleNameOrder(const QLocale& locale = QLocale());

}  // namespace vostrelund
