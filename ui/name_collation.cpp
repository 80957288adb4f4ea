#include "ui/name_collation.h"

#include <QCollator>
#include <QFile>
#include <memory>

namespace vostrelund {

NameOrder LocaleNameOrder(const QLocale& locale) {
  auto collator = std::make_shared<QCollator>(locale);
  collator->setCaseSensitivity(Qt::CaseSensitive);
  return [collator](std::string_view a, std::string_view b) {
    const QString qa = QFile::decodeName(QByteArray(a.data(), static_cast<qsizetype>(a.size())));
    const QString qb = QFile::decodeName(QByteArray(b.data(), static_cast<qsizetype>(b.size())));
    return collator->compare(qa, qb);
  };
}

}  // namespace vostrelund
