#include "codages/emetteur_binaire.h"

#include "codages/abreviations.h"
#include "codages/envoi_lent.h"
#include "codages/trame.h"

namespace optolink {

namespace {
constexpr EnvoiLent envoi_binaire{5.68, 1.136, 6.818};

constexpr Duree creneau = Duree::unites(0.568);
constexpr int bits_par_trame = 9;
} // namespace

void Btonenvoiebinaire_Click(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                             const QString& texte)
{
    commencer_envoi(plateforme.minuterie, evenements, Codage::binaire);
    etat.message = abreger(texte);
    const CodeBinaire code = coder_binaire(etat.message);
    etat.chainebits = code.chainebits;
    etat.textebits = code.textebits;
    evenements.signal_prevu(etat.textebits + " = " + etat.chainebits);

    Laser laser(liaison, plateforme, etat);
    emettre_entre_marqueurs(laser, plateforme, etat, evenements, envoi_binaire, [&] {
        int nbbits = 0;
        for (const QChar b : code.chainebits) {
            if (b == u' ') {
                laser.emettre(CommandeLaser::eteindre_laser, creneau);
                continue;
            }
            laser.emettre(b == u'1' ? CommandeLaser::allumer_laser : CommandeLaser::eteindre_laser, creneau);
            if (++nbbits == bits_par_trame) {
                nbbits = 0;
                laser.emettre(CommandeLaser::eteindre_laser, creneau);
            }
        }
        laser.emettre(CommandeLaser::eteindre_laser, creneau);
    });

    terminer_envoi(plateforme, evenements, Codage::binaire);
}

} // namespace optolink
