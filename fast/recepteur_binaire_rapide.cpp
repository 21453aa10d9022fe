#include "rapide/recepteur_binaire_rapide.h"

#include "codages/reception_lente.h"
#include "rapide/acquisition.h"
#include "rapide/binaire_rapide.h"
#include "rapide/reception_rapide.h"

namespace optolink {

namespace {

void recevoir_binaire_rapide(Poste& poste)
{
    Etat& etat = poste.etat;
    FenetrePrincipale& f = poste.fenetre;
    preparer_reception_rapide(poste, &FenetrePrincipale::Btonenvoi_binrap, QStringLiteral("BINAIRE"));
    etat.chainebits.clear();
    etat.textebits.clear();
    acquisition_rapide(poste);

    Lecture lecture;
    const ReceptionBinaire recu = decoder_binaire_rapide(etat.tabmesures, etat.nbmesuresmax, seuil_brut(etat.tensionseuil),
                                                         [&](const QString& textebits) { f.Texte1.Text = textebits; },
                                                         &lecture);
    etat.chainebits = recu.chainebits;
    etat.textebits = recu.textebits;
    etat.message = recu.message;
    noter_enregistrement(poste, CodageRapide::binaire, std::move(lecture), recu.chainebits, recu.texte1);
    afficher_reception(poste, &FenetrePrincipale::Btonenvoi_binrap, etat.message,
                       " Entrer un message (tout caractère clavier) ou code" + QString(25, u' '), recu.texte1);
    proposer_enregistrement(poste, etat.enregistrebin, QStringLiteral("Enregistrement d'un fichier binaire rapide"));
}

} // namespace

void attentereceptionbinairerapide(Poste& poste)
{
    attendre_reception_rapide(poste, Codage::binaire_rapide, [&] { recevoir_binaire_rapide(poste); });
}

} // namespace optolink
