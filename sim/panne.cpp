#include "sim/panne.h"

#include <array>
#include <utility>

namespace optolink::sim {

namespace {
constexpr std::array<std::pair<SortePanne, const char*>, 6> noms{{
    {SortePanne::mutisme, "mutisme"},
    {SortePanne::disparition, "disparition"},
    {SortePanne::brouillage, "brouillage"},
    {SortePanne::decoupage, "decoupage"},
    {SortePanne::retard, "retard"},
    {SortePanne::reponse_de_trop, "reponse-de-trop"},
}};
} // namespace

std::optional<SortePanne> sorte_panne(QStringView nom)
{
    for (const auto& [sorte, texte] : noms)
        if (nom == QLatin1StringView(texte))
            return sorte;
    return std::nullopt;
}

QString nom_panne(SortePanne sorte)
{
    for (const auto& [s, texte] : noms)
        if (s == sorte)
            return QString::fromLatin1(texte);
    return {};
}

} // namespace optolink::sim
