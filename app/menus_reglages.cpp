#include "app/menus.h"
#include "link/interface.h"

#include <array>
#include <optional>

namespace optolink {

namespace {

using Entree = EntreeMenu FenetrePrincipale::*;

// One pass through the event loop without waiting for an event.
void ceder_une_fois(Poste& poste) { poste.plateforme.boucle.ceder(poste.plateforme.horloge.maintenant_s()); }

// The entry's mark on, the marks of its group off.
template <std::size_t N>
void cocher_seule(FenetrePrincipale& f, const std::array<Entree, N>& groupe, Entree choisie)
{
    for (Entree e : groupe)
        (f.*e).Checked = e == choisie;
}

// Only x 1, x 2 and x 3 also choose the sampling rate of the fast recordings.
struct Vitesse {
    double dureebit_s;
    std::int16_t modevitesse;
    std::optional<double> periodemesure_s;
};

// x 1, x 2 and x 3: the speed of a fast recording mode.
Vitesse vitesse_rapide(std::int16_t mode)
{
    return {modes_vitesse[mode].dureebit, mode, modes_vitesse[mode].periode_s};
}

constexpr std::array<Entree, 11> entrees_vitesse{&FenetrePrincipale::menu_vit_emission0875,
    &FenetrePrincipale::menu_vit_emission09, &FenetrePrincipale::menu_vit_emission0925,
    &FenetrePrincipale::menu_vit_emission095, &FenetrePrincipale::menu_vit_emission0975,
    &FenetrePrincipale::menu_vit_emission1, &FenetrePrincipale::menu_vit_emission11,
    &FenetrePrincipale::menu_vit_emission12, &FenetrePrincipale::menu_vit_emission13,
    &FenetrePrincipale::menu_vit_emission2, &FenetrePrincipale::menu_vit_emission3};

void choisir_vitesse(Poste& poste, Entree entree, Vitesse v)
{
    cocher_seule(poste.fenetre, entrees_vitesse, entree);
    poste.etat.dureebit = v.dureebit_s;
    poste.etat.modevitesse = v.modevitesse;
    if (v.periodemesure_s)
        poste.etat.periodemesure = *v.periodemesure_s;
}

void choisir_intervalle(Poste& poste, Entree entree, int interval_ms)
{
    cocher_seule(poste.fenetre, std::array{&FenetrePrincipale::menu_30ms, &FenetrePrincipale::menu_50ms}, entree);
    poste.plateforme.minuterie.setInterval(interval_ms);
}

void choisir_police(Poste& poste, Entree entree, std::int16_t taille)
{
    cocher_seule(poste.fenetre,
        std::array{&FenetrePrincipale::menu_police12, &FenetrePrincipale::menu_police16,
            &FenetrePrincipale::menu_police20, &FenetrePrincipale::menu_police30},
        entree);
    poste.etat.taillepolice = taille;
    ceder_une_fois(poste);
}

void basculer_enregistrement(Poste& poste, EntreeMenu& entree, QString& drapeau)
{
    entree.Checked = !entree.Checked;
    drapeau = entree.Checked ? oui : non;
    ceder_une_fois(poste);
}

} // namespace

void menu_vit_emission0875_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission0875, {1 / 0.875, 0, {}}); }
void menu_vit_emission09_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission09, {10.0 / 9, 0, {}}); }
void menu_vit_emission0925_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission0925, {1 / 0.925, 0, {}}); }
void menu_vit_emission095_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission095, {1 / 0.95, 0, {}}); }
void menu_vit_emission0975_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission0975, {1 / 0.975, 0, {}}); }
void menu_vit_emission1_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission1, vitesse_rapide(0)); }
void menu_vit_emission11_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission11, {1 / 1.1, 0, {}}); }
void menu_vit_emission12_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission12, {1 / 1.2, 0, {}}); }
void menu_vit_emission13_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission13, {1 / 1.3, 0, {}}); }
void menu_vit_emission2_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission2, vitesse_rapide(1)); }
void menu_vit_emission3_Click(Poste& p) { choisir_vitesse(p, &FenetrePrincipale::menu_vit_emission3, vitesse_rapide(2)); }

void menu_30ms_Click(Poste& p) { choisir_intervalle(p, &FenetrePrincipale::menu_30ms, 30); }
void menu_50ms_Click(Poste& p) { choisir_intervalle(p, &FenetrePrincipale::menu_50ms, 50); }

void menu_police12_Click(Poste& p) { choisir_police(p, &FenetrePrincipale::menu_police12, 12); }
void menu_police16_Click(Poste& p) { choisir_police(p, &FenetrePrincipale::menu_police16, 16); }
void menu_police20_Click(Poste& p) { choisir_police(p, &FenetrePrincipale::menu_police20, 20); }
void menu_police30_Click(Poste& p) { choisir_police(p, &FenetrePrincipale::menu_police30, 30); }

void menu_autorise_enregistremorse_Click(Poste& p)
{
    basculer_enregistrement(p, p.fenetre.menu_autorise_enregistremorse, p.etat.enregistremorse);
}
void menu_autorise_enregistrebin_Click(Poste& p)
{
    basculer_enregistrement(p, p.fenetre.menu_autorise_enregistrebin, p.etat.enregistrebin);
}

} // namespace optolink
