#include "sim/perturbateur.h"

#include <algorithm>

namespace optolink::sim {

Perturbateur::Perturbateur(Ordonnanceur& temps, std::function<void(const QByteArray&)> emettre)
    : temps_(temps), emettre_(std::move(emettre))
{
}

void Perturbateur::provoquer(const Panne& panne)
{
    panne_ = panne;
    hasard_.seed(panne.graine);
    // A vanishing at a given time needs no reply to strike: the interface may be silent then.
    if (panne.sorte == SortePanne::disparition)
        temps_.programmer(panne.debut_s, [this] { disparaitre_si_frappe(); });
}

bool Perturbateur::frappe() const
{
    return panne_ && temps_.maintenant_s() >= panne_->debut_s && octets_livres_ >= panne_->apres_octets;
}

void Perturbateur::disparaitre_si_frappe()
{
    if (disparue_ || !frappe() || panne_->sorte != SortePanne::disparition)
        return;
    disparue_ = true;
    if (disparition_)
        disparition_();
}

bool Perturbateur::tirage(double taux) { return std::uniform_real_distribution<double>(0, 1)(hasard_) < taux; }

double Perturbateur::emettre_a(double instant_s, const QByteArray& octets)
{
    const double depart = std::max(instant_s, retenu_jusqua_s_);
    retenu_jusqua_s_ = depart;
    if (depart <= temps_.maintenant_s())
        emettre_(octets);
    else
        temps_.programmer(depart, [this, octets] { emettre_(octets); });
    return depart;
}

bool Perturbateur::livrer(char& octet)
{
    disparaitre_si_frappe();
    const bool en_panne = frappe();
    if (disparue_ || (en_panne && panne_->sorte == SortePanne::mutisme))
        return false;
    if (en_panne && panne_->sorte == SortePanne::brouillage && tirage(panne_->taux))
        octet = static_cast<char>(octet ^ std::uniform_int_distribution<int>(1, 255)(hasard_));
    ++octets_livres_;
    return true;
}

void Perturbateur::repondre(const QByteArray& texte)
{
    const double maintenant = temps_.maintenant_s();
    if (!frappe()) {
        emettre_a(maintenant, texte);
        return;
    }
    switch (panne_->sorte) {
    case SortePanne::mutisme:
    case SortePanne::disparition:
    case SortePanne::brouillage:
        emettre_a(maintenant, texte); // lost or garbled on arrival
        return;
    case SortePanne::decoupage: {
        // One reply held back at a time: those asked for meanwhile wait behind it, as on a line,
        // and then leave whole, so that the interface never falls further and further behind.
        if (texte.size() < 2 || retenu_jusqua_s_ > maintenant || !tirage(panne_->taux)) {
            emettre_a(maintenant, texte);
            return;
        }
        const auto coupure = std::uniform_int_distribution<qsizetype>(1, texte.size() - 1)(hasard_);
        const double premiere_partie = emettre_a(maintenant, texte.first(coupure));
        emettre_a(premiere_partie + panne_->delai_s, texte.sliced(coupure));
        return;
    }
    case SortePanne::retard:
        emettre_a(maintenant + panne_->delai_s, texte);
        return;
    case SortePanne::reponse_de_trop:
        emettre_a(maintenant, texte);
        if (tirage(panne_->taux))
            emettre_a(maintenant, texte);
        return;
    }
}

} // namespace optolink::sim
