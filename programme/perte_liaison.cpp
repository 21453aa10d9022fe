#include "programme/perte_liaison.h"

#include "programme/ports_presents_texte.h"

namespace optolink {

namespace {
// ports: for a port that opened but does not answer, which numbers the ports present answer to.
void avertir(const Plateforme& plateforme, const QString& raison, const QStringList& ports = {})
{
    const QString peripherique = plateforme.com.peripherique();
    plateforme.boites.message("Liaison avec Orphy GTS II perdue",
        "La liaison avec l'interface" + (peripherique.isEmpty() ? QString() : " (" + peripherique + ")")
            + " est coupée :\n" + raison + "\n\n" + (ports.isEmpty() ? QString() : ports.join(u'\n') + u'\n')
            + "Vérifier le branchement de l'interface, puis relancer le programme.",
        false);
}
} // namespace

void surveiller_liaison(const Plateforme& plateforme, Liaison& liaison)
{
    plateforme.com.surPerte([plateforme](const QString& raison) { avertir(plateforme, raison); });
    liaison.surSilence([plateforme, &liaison] {
        avertir(plateforme,
                QStringLiteral("L'interface ne répond plus depuis %1 s (éteinte, bloquée, ou fil de données coupé).")
                    .arg(Liaison::delai_silence_s),
                lignes_ports_presents(liaison));
    });
}

} // namespace optolink
