#include "sim/commande_lumiere.h"

#include <QStringList>

#include <cmath>

namespace optolink::sim {

namespace {

struct Cle {
    const char* nom;
    double ReglagesLumiere::*champ;
    double max;
    const char* unite;
};

// The ambient light is the drift's level: with no period it is a steady offset.
constexpr Cle cles[] = {
    {"distance", &ReglagesLumiere::distance_m, 100, "m"},
    {"ambiante", &ReglagesLumiere::derive_v, tension_max_v, "V"},
    {"bruit", &ReglagesLumiere::bruit_v, tension_max_v, "V"},
};

const QString usage = QStringLiteral("lumiere A|B distance=M ambiante=V bruit=V");

} // namespace

std::variant<CommandeLumiere, QString> lire_commande_lumiere(const QString& ligne,
                                                             const std::array<ReglagesLumiere, 2>& actuels)
{
    const QStringList mots = ligne.simplified().split(u' ', Qt::SkipEmptyParts);
    if (mots.isEmpty())
        return QStringLiteral("commande vide : %1").arg(usage);
    if ((mots[0].compare(u"lumiere", Qt::CaseInsensitive) != 0
         && mots[0].compare(u"lumière", Qt::CaseInsensitive) != 0))
        return QStringLiteral("commande inconnue « %1 » : %2").arg(ligne.trimmed(), usage);
    if (mots.size() < 2)
        return QStringLiteral("extrémité manquante (A ou B) : %1").arg(usage);
    const QString extremite = mots[1].toUpper();
    if (extremite != u"A" && extremite != u"B")
        return QStringLiteral("extrémité inconnue « %1 » : A ou B").arg(mots[1]);
    if (mots.size() < 3)
        return QStringLiteral("aucun réglage donné : %1").arg(usage);
    CommandeLumiere c{extremite == u"A" ? 0 : 1, {}};
    c.reglages = actuels[std::size_t(c.rang)];
    std::array<bool, std::size(cles)> vus{};
    for (qsizetype k = 2; k < mots.size(); ++k) {
        const qsizetype egal = mots[k].indexOf(u'=');
        if (egal <= 0)
            return QStringLiteral("réglage « %1 » sans valeur : clé=valeur attendu").arg(mots[k]);
        const QString nom = mots[k].left(egal).toLower();
        const auto cle = std::ranges::find_if(cles, [&](const Cle& x) { return nom == QLatin1String(x.nom); });
        if (cle == std::end(cles))
            return QStringLiteral("réglage inconnu « %1 » : distance, ambiante ou bruit").arg(mots[k].left(egal));
        bool& vu = vus[std::size_t(cle - std::begin(cles))];
        if (vu)
            return QStringLiteral("%1 donné deux fois").arg(QLatin1String(cle->nom));
        vu = true;
        bool ok = false;
        const double valeur = QString(mots[k].mid(egal + 1)).replace(u',', u'.').toDouble(&ok);
        if (!ok || !std::isfinite(valeur))
            return QStringLiteral("%1 : « %2 » n'est pas un nombre")
                .arg(QLatin1String(cle->nom), mots[k].mid(egal + 1));
        if (valeur < 0 || valeur > cle->max)
            return QStringLiteral("%1 hors limites : entre 0 et %2 %3")
                .arg(QLatin1String(cle->nom), QString::number(cle->max), QLatin1String(cle->unite));
        c.reglages.*cle->champ = valeur;
    }
    return c;
}

} // namespace optolink::sim
