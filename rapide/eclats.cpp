#include "rapide/eclats.h"

namespace optolink {

EchantillonsSansEclats::EchantillonsSansEclats(Echantillons& source, int seuil)
    : source_(source), seuil_(seuil), bornes_(bornes_de(source))
{
}

EchantillonsSansEclats::Bornes EchantillonsSansEclats::bornes_de(const Echantillons& e)
{
    return {e.reste(), e.reste_preambule(), e.peut_avancer(), e.epuisee(), e.indice()};
}

void EchantillonsSansEclats::attendre(std::size_t n)
{
    const Bornes& dernier = attente_.empty() ? bornes_ : attente_.back().bornes;
    bool encore = dernier.peut_avancer && !dernier.epuisee;
    while (attente_.size() < n && encore) {
        const int valeur = source_.suivant();
        attente_.push_back({valeur, bornes_de(source_)});
        encore = source_.peut_avancer() && !source_.epuisee();
    }
}

int EchantillonsSansEclats::suivant()
{
    attendre(1);
    if (attente_.empty()) { // the source gives nothing more: read on as it would
        const int valeur = source_.suivant();
        bornes_ = bornes_de(source_);
        return valeur;
    }
    const int valeur = attente_.front().valeur;
    if (!premier_ && precedent_ != seuil_ && valeur != seuil_ && allume(valeur) != allume(precedent_)) {
        // A run on the other side begins: is it back within eclat_max samples?
        attendre(eclat_max + 1);
        std::size_t n = 0;
        while (n < attente_.size() && attente_[n].valeur != seuil_ && allume(attente_[n].valeur) == allume(valeur))
            ++n;
        if (n <= eclat_max && n < attente_.size() && attente_[n].valeur != seuil_)
            for (std::size_t i = 0; i < n; ++i)
                attente_[i].valeur = precedent_;
    }
    const Lu lu = attente_.front();
    attente_.pop_front();
    premier_ = false;
    precedent_ = lu.valeur;
    bornes_ = lu.bornes;
    return lu.valeur;
}

} // namespace optolink
