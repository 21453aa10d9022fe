#include "postes_virtuels/postes_simules.h"

#include "codages/emetteur_binaire.h"
#include "codages/emetteur_morse.h"
#include "codages/recepteur_binaire.h"
#include "codages/recepteur_morse.h"
#include "rapide/emetteur_binaire_rapide.h"
#include "rapide/emetteur_morse_rapide.h"
#include "rapide/recepteur_binaire_rapide.h"
#include "rapide/recepteur_morse_rapide.h"

namespace optolink::essai {

Codage morse_lent() { return {optolink::Codage::morse, Btonenvoiemorse_Click, attentereceptionmorse, 50}; }
Codage binaire_lent() { return {optolink::Codage::binaire, Btonenvoiebinaire_Click, attentereceptionbinaire, 30}; }
Codage morse_rapide() { return {optolink::Codage::morse_rapide, Btonenvoi_morserapide_Click, attentereceptionmorserapide, 30}; }
Codage binaire_rapide() { return {optolink::Codage::binaire_rapide, Btonenvoi_binrap_Click, attentereceptionbinairerapide, 30}; }

std::vector<double> durees_laser(const sim::InterfaceSimulee& interface)
{
    const auto& journal = interface.journal_laser();
    std::vector<double> durees;
    for (std::size_t i = 1; i < journal.size(); ++i)
        durees.push_back(journal[i].instant_s - journal[i - 1].instant_s);
    return durees;
}

void demarrer(Poste& poste, optolink::Codage typecodage, double dureebit, int intervalle_ms)
{
    Etat& etat = poste.etat;
    etat.numeroport = 1;
    poste.liaison.ouvrir_liaison(poste.etat.numeroport);
    const Plateforme& plateforme = poste.plateforme;
    plateforme.minuterie.setInterval(intervalle_ms);
    plateforme.minuterie.setEnabled(true);
    const double debut = plateforme.horloge.maintenant_s();
    while (plateforme.horloge.maintenant_s() - debut <= 1.0)
        plateforme.boucle.ceder();
    etat.tensionseuil = etat.tensionlue + 0.5;
    etat.typecodage = typecodage;
    etat.dureebit = dureebit;
    etat.taillepolice = 16;
    poste.fenetre.Texte1.Text.clear();
    poste.fenetre.Texte2.Locked = true;
}

DeuxPostes::DeuxPostes(const sim::ReglagesLumiere& r)
    : reglages(r),
      banc(temps, reglages),
      comA(banc.interface(0), temps),
      comB(banc.interface(1), temps),
      acteurA(temps.acteur("A")),
      acteurB(temps.acteur("B")),
      minuterieA(acteurA.nouvelle_minuterie()),
      minuterieB(acteurB.nouvelle_minuterie()),
      posteA(acteurA, acteurA, *minuterieA, comA, boites),
      posteB(acteurB, acteurB, *minuterieB, comB, boites)
{
    comA.surReception([this] { acteurA.programmer(temps.maintenant_s(), [] {}); });
    comB.surReception([this] { acteurB.programmer(temps.maintenant_s(), [] {}); });
}

void relier_par_usb(DeuxPostes& postes, std::uint32_t graine, double delai_hote_max_s)
{
    for (int rang = 0; rang < 2; ++rang) {
        sim::ReglagesUsb usb;
        usb.delai_hote_max_s = delai_hote_max_s;
        usb.graine = graine + static_cast<std::uint32_t>(rang);
        postes.banc.interface(rang).regler_usb(usb);
    }
}

DeuxPostes::Echange DeuxPostes::echanger(const Codage& codage, const QString& texte, double dureebit,
                                         int intervalle_ms, double attente_s)
{
    Echange echange;
    auto arreter = [](Poste& poste) { poste.etat.typecodage.reset(); };
    echange.complet = temps.executer(
        {{&acteurA,
          [&] {
              demarrer(posteA, codage.typecodage, dureebit, intervalle_ms);
              acteurA.programmer(clic_s, [&] {
                  echange.debut_envoi_s = acteurA.instant_s();
                  if (pendant_envoi)
                      acteurA.programmer(clic_s + pendant_envoi_apres_s, pendant_envoi);
                  posteA.fenetre.Texte1.Text = texte;
                  codage.envoyer(posteA);
                  echange.fin_envoi_s = acteurA.instant_s();
                  arreter(posteA);
                  acteurB.programmer(echange.fin_envoi_s + attente_s, [&] { arreter(posteB); });
              });
              codage.attendre(posteA);
          }},
         {&acteurB,
          [&] {
              demarrer(posteB, codage.typecodage, dureebit, intervalle_ms);
              codage.attendre(posteB);
          }}},
        clic_s + 400.0);
    return echange;
}

PosteScripte::PosteScripte(optolink::Codage typecodage, double dureebit)
    : StationVirtuelle({.pas_lecture_s = 0.0, .interface = 1})
{
    minuterie->surTic([] {});
    poste.etat.typecodage = typecodage;
    poste.etat.dureebit = dureebit;
    poste.etat.tensionseuil = seuil_v;
    poste.etat.tensionlue = noir_v;
}

void PosteScripte::lire_a(double instant_s, double tension_v)
{
    acteur.programmer(instant_s, [this, tension_v] { poste.etat.tensionlue = tension_v; });
}

double PosteScripte::signal(double debut_s, std::initializer_list<double> durees)
{
    bool allume = true;
    double t = debut_s;
    for (const double duree : durees) {
        lire_a(t, allume ? clair_v : noir_v);
        t += duree;
        allume = !allume;
    }
    lire_a(t, noir_v);
    return t;
}

void PosteScripte::recevoir(const Routine& attendre, double fin_s)
{
    acteur.programmer(fin_s, [this] { poste.etat.typecodage.reset(); });
    attendre(poste);
}

} // namespace optolink::essai
