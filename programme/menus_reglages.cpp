#include "programme/menus.h"
#include "liaison/interface.h"

namespace optolink {

namespace {

// One pass through the event loop without waiting for an event.
void ceder_une_fois(Poste& poste) { poste.plateforme.boucle.ceder(poste.plateforme.horloge.maintenant_s()); }

} // namespace

void choisir_vitesse(Poste& poste, const Vitesse& vitesse)
{
    poste.etat.dureebit = 1 / vitesse.facteur;
    poste.etat.modevitesse = vitesse.modevitesse.value_or(Echantillonnage::us1300);
    if (vitesse.modevitesse)
        poste.etat.periodemesure = modes_vitesse[static_cast<std::size_t>(*vitesse.modevitesse)].periode_s;
}

void choisir_intervalle(Poste& poste, const Intervalle& intervalle) { poste.plateforme.minuterie.setInterval(intervalle.ms); }

void choisir_police(Poste& poste, const Police& police)
{
    poste.etat.taillepolice = police.taille;
    ceder_une_fois(poste);
}

void basculer_enregistrement(Poste& poste, Menu entree, const DemandeEnregistrement& demande)
{
    EntreeMenu& e = poste.fenetre.menus[entree];
    e.Checked = !e.Checked;
    poste.etat.*demande.drapeau = e.Checked;
    ceder_une_fois(poste);
}

} // namespace optolink
