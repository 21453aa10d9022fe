#include "codages/emetteur_morse.h"

#include "codages/abreviations.h"
#include "codages/envoi_lent.h"
#include "codages/morse.h"

namespace optolink {

namespace {
constexpr EnvoiLent envoi_morse{3.0, 2.0, 3.0};
} // namespace

void Btonenvoiemorse_Click(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                           const QString& texte)
{
    commencer_envoi(plateforme.minuterie, evenements, Codage::morse);
    etat.message = abreger(texte);
    const CodeMorse code = coder_morse(etat.message);
    evenements.signal_prevu(code.affichagemorse);

    Laser laser(liaison, plateforme, etat);
    emettre_entre_marqueurs(laser, plateforme, etat, evenements, envoi_morse, [&] {
        for (const QChar symbole : code.codemorse) {
            if (symbole == u' ')
                laser.emettre(CommandeLaser::eteindre_laser, Duree::unites(1));
            else
                laser.emettre(CommandeLaser::allumer_laser, Duree::unites(symbole == u'.' ? 0.3 : 1));
            laser.emettre(CommandeLaser::eteindre_laser, Duree::unites(0.3));
        }
    });

    terminer_envoi(plateforme, evenements, Codage::morse);
}

} // namespace optolink
