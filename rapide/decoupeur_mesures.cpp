#include "rapide/decoupeur_mesures.h"

#include "liaison/nombres.h"

#include <cmath>

namespace optolink {

namespace {

// The stored text of a downloaded value: its number, with the leading blank of a non-negative one.
QString texte_mesure(const QString& valeur_recue)
{
    const double valeur = nombre_en_tete(valeur_recue);
    if (valeur == std::floor(valeur))
        return texte_nombre(static_cast<long long>(valeur));
    return (valeur < 0 ? QString() : QStringLiteral(" ")) + QString::number(valeur);
}

} // namespace

DecoupeurMesures::Octet DecoupeurMesures::octet(char c)
{
    if (c != ',') {
        en_cours_ += QChar::fromLatin1(c);
        return Octet::valeur;
    }
    const bool echantillon = en_cours_.size() == 1 || en_cours_.size() == 2;
    if (echantillon)
        mesure_ = texte_mesure(en_cours_);
    en_cours_.clear();
    return echantillon ? Octet::mesure : Octet::ignoree;
}

QStringList DecoupeurMesures::octets(QByteArrayView morceau)
{
    QStringList mesures;
    for (const char c : morceau)
        if (octet(c) == Octet::mesure)
            mesures.append(mesure_);
    return mesures;
}

} // namespace optolink
