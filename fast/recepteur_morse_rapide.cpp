#include "rapide/recepteur_morse_rapide.h"

#include "codages/reception_lente.h"
#include "rapide/acquisition.h"
#include "rapide/morse_rapide.h"
#include "rapide/reception_rapide.h"

namespace optolink {

namespace {

void recevoir_morse_rapide(Poste& poste)
{
    Etat& etat = poste.etat;
    FenetrePrincipale& f = poste.fenetre;
    preparer_reception_rapide(poste, &FenetrePrincipale::Btonenvoi_morserapide, QStringLiteral("MORSE"));
    f.Btonenvoiemorse.Enabled = false;
    acquisition_rapide(poste);

    Lecture lecture;
    const ReceptionMorse recu = decoder_morse_rapide(etat.tabmesures, etat.nbmesuresmax, seuil_brut(etat.tensionseuil),
                                                     [&](const QString& codemorse) { f.Texte1.Text = codemorse; },
                                                     &lecture);
    etat.message = recu.message;
    noter_enregistrement(poste, CodageRapide::morse, std::move(lecture), recu.codemorse, recu.texte1);
    afficher_reception(poste, &FenetrePrincipale::Btonenvoi_morserapide, etat.message,
                       " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(25, u' '),
                       recu.texte1);
    f.Btonenvoiemorse.Enabled = true;
    f.montrer();
    proposer_enregistrement(poste, etat.enregistremorse, QStringLiteral("Enregistrement d'un fichier morse rapide"));
}

} // namespace

void attentereceptionmorserapide(Poste& poste)
{
    attendre_reception_rapide(poste, Codage::morse_rapide, [&] { recevoir_morse_rapide(poste); });
}

} // namespace optolink
