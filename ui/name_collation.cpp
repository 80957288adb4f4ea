#include "ui/name_collation.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <memory>

namespace vostrelund {

NameOrder LocaleNameOrder() {
  auto collator = std::make_shared<QCollator>(QLocale());
  collator->setCaseSensitivity(Qt::CaseSensitive);
  return [collator](std::string_view a, std::string_view b) {
    const QString qa = QFile::decodeName(QByteArray(a.data(), static_cast<qsizetype>(a.size())));
    const QString qb = QFile::decodeName(QByteArray(b.data(), static_cast<qsizetype>(b.size())));
    return collator->compare(qa, qb);
  };
}

}  // namespace vostrelund
