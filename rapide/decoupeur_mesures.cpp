#include "rapide/decoupeur_mesures.h"

#include "liaison/nombres.h"

namespace optolink {

DecoupeurMesures::Octet DecoupeurMesures::octet(char c)
{
    if (c != ',') {
        en_cours_ += QChar::fromLatin1(c);
        return Octet::valeur;
    }
    const bool echantillon = en_cours_.size() == 1 || en_cours_.size() == 2;
    if (echantillon)
        mesure_ = nombre_en_tete(en_cours_);
    en_cours_.clear();
    return echantillon ? Octet::mesure : Octet::ignoree;
}

std::vector<Mesure> DecoupeurMesures::octets(QByteArrayView morceau)
{
    std::vector<Mesure> mesures;
    for (const char c : morceau)
        if (octet(c) == Octet::mesure)
            mesures.push_back(mesure_);
    return mesures;
}

} // namespace optolink
