#include "programme/perte_liaison.h"

namespace optolink {

namespace {
void avertir(const Plateforme& plateforme, const QString& raison)
{
    const QString peripherique = plateforme.com.peripherique();
    plateforme.boites.message("Liaison avec Orphy GTS II perdue",
        "La liaison avec l'interface" + (peripherique.isEmpty() ? QString() : " (" + peripherique + ")")
            + " est coupée :\n" + raison
            + "\n\nVérifier le branchement de l'interface, puis relancer le programme.",
        false);
}
} // namespace

void surveiller_liaison(const Plateforme& plateforme, Liaison& liaison)
{
    plateforme.com.surPerte([plateforme](const QString& raison) { avertir(plateforme, raison); });
    liaison.surSilence([plateforme] {
        avertir(plateforme, QStringLiteral("L'interface ne répond plus depuis %1 s (éteinte, bloquée, ou fil de "
                                           "données coupé).")
                                .arg(Liaison::delai_silence_s));
    });
}

} // namespace optolink
