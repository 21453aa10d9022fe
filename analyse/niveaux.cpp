#include "analyse/niveaux.h"

#include "liaison/interface.h"

#include <algorithm>
#include <vector>

namespace optolink {

const QString avis_signal_faible = QStringLiteral("signal faible : rapprocher le laser ou réduire la lumière ambiante");

namespace {

std::optional<double> mediane(std::vector<double> v)
{
    if (v.empty())
        return std::nullopt;
    const auto milieu = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::ranges::nth_element(v, milieu);
    if (v.size() % 2 == 1)
        return *milieu;
    return (*milieu + *std::max_element(v.begin(), milieu)) / 2;
}

std::optional<Niveaux> depuis(std::vector<double> lumiere, std::vector<double> obscurite, double seuil_v)
{
    const auto haut = mediane(std::move(lumiere));
    const auto bas = mediane(std::move(obscurite));
    if (!haut || !bas)
        return std::nullopt;
    return Niveaux{*haut, *bas, seuil_v};
}

} // namespace

std::optional<Niveaux> niveaux(const Trace& trace)
{
    std::vector<double> lumiere, obscurite;
    const auto n = static_cast<int>(trace.niveaux.size());
    for (const PalierLu& p : trace.lecture.paliers)
        for (int k = std::max(0, p.debut); k < std::min(n, p.debut + p.longueur); ++k)
            (p.lumiere ? lumiere : obscurite).push_back(volts(trace.niveaux[std::size_t(k)]));
    return depuis(std::move(lumiere), std::move(obscurite), volts(trace.lecture.seuil));
}

std::optional<Niveaux> niveaux_lents(const std::deque<TensionLue>& tensions, std::span<const ImpulsionLente> impulsions,
                                     double seuil_v)
{
    if (impulsions.empty())
        return std::nullopt;
    std::vector<double> lumiere, obscurite;
    const double debut = impulsions.front().debut_s;
    const double fin = impulsions.back().fin_s;
    for (const TensionLue& t : tensions) {
        if (t.t_s < debut || t.t_s > fin)
            continue;
        const bool dans = std::ranges::any_of(
            impulsions, [&](const ImpulsionLente& i) { return t.t_s >= i.debut_s && t.t_s <= i.fin_s; });
        (dans ? lumiere : obscurite).push_back(t.tension_v);
    }
    return depuis(std::move(lumiere), std::move(obscurite), seuil_v);
}

} // namespace optolink
