#include "programme/perte_liaison.h"

namespace optolink {

namespace {
void avertir(Poste& poste, const QString& raison)
{
    const QString peripherique = poste.com.peripherique();
    poste.boites.message("Liaison avec Orphy GTS II perdue",
        "La liaison avec l'interface" + (peripherique.isEmpty() ? QString() : " (" + peripherique + ")")
            + " est coupée :\n" + raison
            + "\n\nVérifier le branchement de l'interface, puis relancer le programme.",
        false);
}
} // namespace

void surveiller_liaison(Poste& poste)
{
    poste.com.surPerte([&poste](const QString& raison) { avertir(poste, raison); });
    poste.liaison.surSilence([&poste] {
        avertir(poste, QStringLiteral("L'interface ne répond plus depuis %1 s (éteinte, bloquée, ou fil de "
                                      "données coupé).")
                           .arg(Liaison::delai_silence_s));
    });
}

} // namespace optolink
