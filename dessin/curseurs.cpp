#include "dessin/curseurs.h"

#include "dessin/axes.h"
#include "analyse/bilan.h"

#include <algorithm>
#include <cmath>

namespace optolink {

std::optional<MesureCurseurs> mesurer(const Curseurs& curseurs, const Trace& trace)
{
    if (!curseurs.complets() || trace.periode_s <= 0)
        return std::nullopt;
    MesureCurseurs m;
    m.t1_s = *curseurs.t1_s;
    m.t2_s = *curseurs.t2_s;
    m.dt_s = m.t2_s - m.t1_s;
    m.inverse_hz = m.dt_s != 0 ? 1 / std::abs(m.dt_s) : 0;
    m.echantillons = std::abs(m.dt_s) / trace.periode_s;
    const double u = unite_apprise(trace);
    m.unites = u > 0 ? m.echantillons / u : 0;
    m.nom_unite = trace.codage == CodageRapide::binaire ? QStringLiteral("bits") : QStringLiteral("points");
    return m;
}

double front_le_plus_proche(const Trace& trace, double t_s)
{
    const auto& n = trace.niveaux;
    const int seuil = trace.lecture.seuil;
    std::optional<double> meilleur;
    for (std::size_t k = 1; k < n.size(); ++k) {
        if ((n[k - 1] > seuil) == (n[k] > seuil))
            continue;
        const double front_s = static_cast<double>(k) * trace.periode_s;
        if (!meilleur || std::abs(front_s - t_s) < std::abs(*meilleur - t_s))
            meilleur = front_s;
    }
    return meilleur.value_or(t_s);
}

QString texte_mesure(const MesureCurseurs& m)
{
    QString texte = QStringLiteral("t1 = %1 s   t2 = %2 s   Δt = %3 ms")
                        .arg(nombre_fr(m.t1_s, 4), nombre_fr(m.t2_s, 4), nombre_fr(m.dt_s * 1000, 1));
    if (m.inverse_hz > 0)
        texte += QStringLiteral("   1/Δt = %1 Hz").arg(nombre_fr(m.inverse_hz, 1));
    texte += QStringLiteral("   %1 échantillons").arg(nombre_fr(m.echantillons, 0));
    if (m.unites > 0)
        texte += QStringLiteral(" = %1 %2").arg(nombre_fr(m.unites, 2), m.nom_unite);
    return texte;
}

} // namespace optolink
