#include "codages/envoi_lent.h"


namespace optolink {

void commencer_envoi(Minuterie& minuterie, Evenements& evenements, Codage code)
{
    minuterie.setEnabled(false);
    evenements.envoi_commence(code);
}

void emettre_entre_marqueurs(Laser& laser, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                             const EnvoiLent& envoi, const std::function<void()>& corps)
{
    Horloge& horloge = plateforme.horloge;
    etat.instantdepart = horloge.maintenant_s();
    laser.attendre_jusqua(CommandeLaser::allumer_laser, Duree::secondes(envoi.marqueur_debut_s), false);
    etat.instantdepart = horloge.maintenant_s();
    laser.attendre_jusqua_apres_cession(CommandeLaser::eteindre_laser, Duree::secondes(envoi.pause_s));

    corps();

    laser.emettre(CommandeLaser::allumer_laser, Duree::secondes(envoi.marqueur_fin_s));
    laser.ecrire(CommandeLaser::eteindre_laser);
    ceder_sans_attendre(plateforme.boucle);
    evenements.signal_emis();
    etat.instantdepart = horloge.maintenant_s();
    laser.attendre_jusqua_apres_cession(CommandeLaser::eteindre_laser, Duree::secondes(1));
}

void terminer_envoi(const Plateforme& plateforme, Evenements& evenements, Codage code)
{
    evenements.envoi_fini(code);
    plateforme.minuterie.setEnabled(true);
    ceder_sans_attendre(plateforme.boucle);
}

} // namespace optolink
