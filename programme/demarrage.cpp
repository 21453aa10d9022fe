#include "programme/demarrage.h"

#include "programme/ports_presents_texte.h"

#include "programme/presentation_codage.h"
#include "programme/texte_tension.h"
#include "liaison/interface.h"
#include "liaison/nombres.h"
#include "liaison/vitesse_carte.h"

#include <QStringList>

#include <cstdint>
#include <optional>

namespace optolink {

namespace {

using Reponse = Boites::Reponse;

QString lignes(const QStringList& l) { return l.join(u'\n'); }

bool fin(Poste& poste)
{
    poste.liaison.fermer_liaison();
    if (poste.terminer)
        poste.terminer();
    return false;
}

// More than a second of yielding, so that the timer ticks refresh tensionlue.
void patienter(const Plateforme& plateforme, double duree_s)
{
    const double depart = plateforme.horloge.maintenant_s();
    while (plateforme.horloge.maintenant_s() - depart <= duree_s)
        plateforme.boucle.ceder(depart + duree_s);
}

void laisser_stabiliser(const Plateforme& plateforme) { patienter(plateforme, 1.0); }

void choisir_codage(Boites& boites, Etat& etat)
{
    const Reponse r = boites.message(" Choix du type de code MORSE ou BINAIRE ?",
        "Codage MORSE (lent) cliquer Ok  ou  codage BINAIRE (lent) cliquer Annuler  ? ", true);
    etat.typecodage = r == Reponse::OK ? Codage::morse : Codage::binaire;
}

void avertir_priorite(Boites& boites)
{
    boites.message("Attention à la priorité Windows accordée",
        lignes({"Pour les codages en binaire, le programme devra peut-être être placé en haute priorité (Onglet "
                "Processus option Temps réel) grâce au gestionnaire de tâches",
            "si les ordinateurs sont en réseau ou si plusieurs programmes sont déjà en mémoire"}),
        false);
}

// The port number typed by the user, rounded to the nearest integer (a half to the even one);
// nothing when the answer is empty (Annuler gives an empty answer too). A number outside the
// 16-bit range is refused and the question asked again.
std::optional<std::int16_t> demander_port(Boites& boites)
{
    const QString invite = QStringList{"Entrer le n° de port COM réel ou correspondant au port USB émulé ",
        " Le pilote d'Orphy GTS II USB ou de l'adaptateur USB-série éventuel doit être déjà installé et Orphy "
        "branché sur un port COM ou USB",
        "{voir Panneau de configuration Icône Ajout de matériel Option déjà connecté Liste de matériel} "}
                               .join(u'\r');
    for (;;) {
        const QString reponse = boites.saisie("N° de port COM (émulé) ? 1,2,3 ... 8 ? ", invite, "1");
        if (reponse.isEmpty())
            return std::nullopt;
        const double nombre = nombre_en_tete(reponse);
        if (nombre > -32768.5 && nombre < 32767.5) {
            const long long arrondi = arrondi_pair(nombre);
            if (arrondi >= -32768 && arrondi <= 32767)
                return static_cast<std::int16_t>(arrondi);
        }
        boites.message("N° de port COM incorrect",
            lignes({"Le n° de port COM \"" + reponse.trimmed() + "\" est hors des limites admises (de -32768 à 32767).",
                "Entrer le n° du port COM réel ou émulé : 1, 2, 3 ..."}),
            false);
    }
}

bool confirmer_branchement(Boites& boites, std::int16_t numeroport)
{
    const Reponse r = boites.message("Branchement du matériel nécessaire effectué ?",
        lignes({"* chaque Orphy GTS II série (ou USB) est relié au port COM (ou USB émulé en port COM) "
                    + texte_nombre(numeroport) + " de chaque ordinateur ",
            "* Chaque module test d'Orphy GTS est relié sur la prise A ", "",
            "* un laser modulé est relié à la sortie binaire SB0 d'Orphy (sur le poste émetteur simple ou les 2 "
            "postes émetteur-récepteur)",
            "",
            "* une photodiode ou un phototransistor (sur borne 5V du module test) est connectée en série avec une "
            "résistance de 82 kOhm (sur Ref(0V)du module test) (sur le poste récepteur simple ou les 2 postes "
            "émetteur-récepteur)",
            "* la connexion entre les 2 dipôles est liée à l'entrée EA0 (sur le poste récepteur simple ou les 2 "
            "postes récepteur-émetteur)",
            " donc la tension sur la résistance de 82 kOhm est envoyée sur EA0 ", "",
            "Si le montage est réalisé; taper OK sinon annuler"}),
        true);
    return r == Reponse::OK;
}

// The port could not be opened: says which device and why, and which numbers the ports present
// answer to; OK to give another port number.
bool proposer_autre_port(Boites& boites, Liaison& liaison, std::int16_t numeroport)
{
    const QString peripherique = liaison.peripherique();
    const QString raison = liaison.erreur();
    const Reponse r = boites.message("Ouverture du port COM impossible",
        lignes(QStringList{"Le port COM" + texte_nombre(numeroport) + " n'a pas pu être ouvert"
                               + (peripherique.isEmpty() ? QString() : " (" + peripherique + ")") + " :",
                   raison.isEmpty() ? QString("cause inconnue") : raison, ""}
               + lignes_ports_presents(liaison)
               + QStringList{"Cliquer OK pour entrer un autre n° de port, Annuler pour quitter le programme"}),
        true);
    return r == Reponse::OK;
}

// Port question, wiring confirmation and opening of the link, until the port opens or the
// user gives up. A board restarted by the opening is left to its loader until the firmware runs,
// whose greeting, read at the end of the silence, has the line moved to the board's rate.
bool ouvrir_port(const Plateforme& plateforme, Liaison& liaison, Etat& etat)
{
    for (;;) {
        const auto port = demander_port(plateforme.boites);
        if (!port)
            return false;
        etat.numeroport = *port;
        if (!confirmer_branchement(plateforme.boites, etat.numeroport))
            return false;
        if (liaison.ouvrir_port(etat.numeroport)) {
            patienter(plateforme, silence_ouverture_s);
            accelerer_si_carte(liaison, plateforme.horloge, plateforme.boucle, liaison.lire());
            liaison.initialiser();
            return true;
        }
        if (!proposer_autre_port(plateforme.boites, liaison, etat.numeroport))
            return false;
    }
}

bool veut_tester(Boites& boites)
{
    return boites.message(" Test du montage récepteur ?",
               lignes({"Voulez vous tester la hausse de tension aux bornes de ",
                   "la résistance de 82 kOhm lors de l'éclairement par laser de la photodiode (ou du "
                   "phototransistor) (si ce poste est équipé pour la fonction réception)? ",
                   "", "Cliquer OK pour le test   Annuler sinon"}),
               true)
        == Reponse::OK;
}

// The receiver test; false when the user chose to stop after an insufficient rise.
bool tester_recepteur(const Plateforme& plateforme, Etat& e)
{
    Boites& boites = plateforme.boites;
    boites.message(" Mesure de la tension seuil (photodiode non éclairée)",
        lignes({" Le programme va mesurer la tension aux bornes de la résistance lorsque ",
            "la photodiode (ou le phototransistor) n'est pas éclairée par le laser de l'autre poste ",
            "Sur ce poste : vérifier que la photodiode n'est pas éclairée par laser SVP ", "",
            "Cliquer OK pour mesurer la tension dite seuil"}),
        false);
    laisser_stabiliser(plateforme);
    e.tensionseuil = e.tensionlue + 0.5;
    const QString r1 = "La tension Useuil = tension mesurée " + texte_tension(e.tensionlue) + " V + 0,5 V = "
        + texte_tension(e.tensionseuil) + " V ";
    boites.message(" Résultat de mesure de la tension seuil ",
        lignes({r1, "", "Eclairer maintenant la photodiode (ou le phototransistor) avec le laser du poste émetteur ",
            "", "Cliquer OK pour mesurer la hausse de tension aux bornes de la résistance 82 kOhm "}),
        false);
    laisser_stabiliser(plateforme);
    const double hausse = e.tensionlue - e.tensionseuil;
    const QString r2 = "La tension mesurée = " + texte_tension(e.tensionlue) + " V  soit une hausse de "
        + texte_tension(hausse) + " V ";
    if (hausse > 1) {
        boites.message(" Résultat du test : CORRECT ",
            lignes({r2 + " > 1V CORRECT ! ", "", " Eteindre le laser du poste émetteur et continuer le programme "}),
            false);
        return true;
    }
    return boites.message(" Résultat du test : INCORRECT ",
               lignes({r2 + " < 1V TROP FAIBLE POUR UN FONCTIONNEMENT OPTIMAL ", "",
                   " ETEINDRE LE LASER du poste émetteur et continuer le programme en cliquant OK ou annuler et "
                   "vérifier le montage "}),
               true)
        == Reponse::OK;
}

void annoncer_mesure_seuil(Boites& boites, bool apres_test)
{
    boites.message("ATTENTION : MESURE DE TENSION SEUIL",
        apres_test ? lignes({"La tension seuil va être mesurée à nouveau sur ce poste (si récepteur)", "",
                         "SI CE POSTE EST RECEPTEUR : VERIFIER QUE LA PHOTODIODE (OU LE PHOTOTRANSISTOR) N'EST PAS "
                         "ECLAIREE PAR LE LASER DE L'AUTRE POSTE EMETTEUR AVANT DE CONTINUER"})
                   : lignes({"La tension seuil va être mesurée sur ce poste (si récepteur)", "",
                         "SI CE POSTE EST RECEPTEUR :VERIFIER QUE LA PHOTODIODE (OU LE PHOTOTRANSISTOR) N'EST PAS "
                         "ECLAIREE PAR LE LASER DE L'AUTRE POSTE EMETTEUR AVANT DE CONTINUER"}),
        false);
}

// The laser off for good, written again and again for 0.2 s without yielding.
void eteindre_laser_durablement(Horloge& horloge, Liaison& liaison)
{
    const double fin_s = horloge.maintenant_s() + 0.2;
    while (horloge.maintenant_s() < fin_s)
        liaison.eteindre_laser_rapide();
}

} // namespace

bool demarrage(Poste& poste)
{
    Etat& e = poste.etat;
    FenetrePrincipale& f = poste.fenetre;
    const Plateforme& plateforme = poste.plateforme;

    choisir_codage(plateforme.boites, e);
    boutons_envoi(f, *e.typecodage);
    libelles_codage(f, *e.typecodage);
    avertir_priorite(plateforme.boites);
    minuterie_codage(f, plateforme.minuterie, *e.typecodage);
    f.Texte1.Text = conseil_demarrage(*e.typecodage);
    questions_codage(f, *e.typecodage);

    if (!ouvrir_port(plateforme, poste.liaison, e))
        return fin(poste);
    plateforme.minuterie.setEnabled(true);

    const bool teste = veut_tester(plateforme.boites);
    if (teste && !tester_recepteur(plateforme, e))
        return fin(poste);

    e.taillepolice = 16;
    annoncer_mesure_seuil(plateforme.boites, teste);
    laisser_stabiliser(plateforme);
    e.tensionseuil = e.tensionlue + 0.5;

    f.Texte1.Text.clear();
    f.Texte2.Locked = true;
    e.dureebit = 1;
    e.nbmesuresmax = 6400;
    eteindre_laser_durablement(plateforme.horloge, poste.liaison);
    e.enregistremorse = true;
    e.enregistrebin = true;
    e.modevitesse = Echantillonnage::us1300;
    e.periodemesure = modes_vitesse[0].periode_s;
    return true;
}

} // namespace optolink
