#include "web/infobelcountry.h"

#include <array>

namespace {

const std::array<const char *, 10> kCountries = {
    "AUSTRIA", "BELGIUM", "DENMARK", "FRANCE", "GERMANY",
    "ITALY", "LUXEMBOURG", "NETHERLANDS", "SPAIN", "UK",
};

} // namespace

QString InfoBelCountry(unsigned index)
{
    if (index >= kCountries.size())
        return QString();
    return QString::fromLatin1(kCountries[index]);
}
