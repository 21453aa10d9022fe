#include "postes_virtuels/echange_rapide.h"

#include "codages/morse.h"

namespace optolink::essai {

std::vector<ReglageRapide> reglages_rapides()
{
    return {
        {"x0_875", 1 / 0.875, Echantillonnage::us1300, 0.0013, 6400},
        {"x0_9", 10.0 / 9, Echantillonnage::us1300, 0.0013, 6400},
        {"x0_925", 1 / 0.925, Echantillonnage::us1300, 0.0013, 6400},
        {"x0_95", 1 / 0.95, Echantillonnage::us1300, 0.0013, 6400},
        {"x0_975", 1 / 0.975, Echantillonnage::us1300, 0.0013, 6400},
        {"x1", 1, Echantillonnage::us1300, 0.0013, 6400},
        {"x1_1", 1 / 1.1, Echantillonnage::us1300, 0.0013, 6400},
        {"x1_2", 1 / 1.2, Echantillonnage::us1300, 0.0013, 6400},
        {"x1_3", 1 / 1.3, Echantillonnage::us1300, 0.0013, 6400},
        {"x2", 0.5, Echantillonnage::us800, 0.0008, 6400},
        {"x3", 1.0 / 3, Echantillonnage::us500, 0.0005, 6400},
        {"x1", 1, Echantillonnage::us1300, 0.0013, 12800},
        {"x2", 0.5, Echantillonnage::us800, 0.0008, 12800},
        {"x3", 1.0 / 3, Echantillonnage::us500, 0.0005, 12800},
    };
}

EchangeRapide echanger_rapide(const Codage& codage, const QString& texte, const ReglageRapide& r,
                              const std::function<void(DeuxPostes&)>& preparer, const sim::ReglagesLumiere& lumiere)
{
    DeuxPostes postes(lumiere);
    EchangeRapide e;
    for (Poste* p : {&postes.posteA, &postes.posteB}) {
        p->etat.modevitesse = r.modevitesse;
        p->etat.periodemesure = r.periodemesure;
        p->etat.nbmesuresmax = r.nbmesuresmax;
    }
    const auto sauvegarde
        = postes.posteB.fenetre.surOuvrirEnregistrefichier.brancher([&](const QString& caption) { e.sauvegardes << caption; });
    if (preparer)
        preparer(postes);
    e.complet = postes.echanger(codage, texte, r.dureebit, 30).complet;
    e.a = postes.posteA.etat;
    e.b = postes.posteB.etat;
    e.fa = postes.posteA.fenetre;
    e.fb = postes.posteB.fenetre;
    e.enregistrements = static_cast<int>(postes.banc.interface(1).commandes_recues().count("WGOR"));
    return e;
}

double part_morse(const QString& texte, const ReglageRapide& r)
{
    // Every symbol is followed by a dot of dark; a dash or a gap lasts three dots; the calibration
    // letter and its gap take 14 dots.
    double points = 14;
    for (const QChar s : coder_morse(texte).codemorse)
        points += (s == u'.' ? 1 : 3) + 1;
    return (0.35 + points * 0.05 * r.dureebit) / duree_enregistrement_s(r);
}

double part_binaire(const QString& texte, const ReglageRapide& r)
{
    // Seven bits of preamble, then 9 bits and a two-bit pause per character, two bits per space.
    double bits = 7;
    for (const QChar c : texte)
        bits += c == u' ' ? 2 : 11;
    return (0.35 + bits * 0.07 * r.dureebit) / duree_enregistrement_s(r);
}

} // namespace optolink::essai
