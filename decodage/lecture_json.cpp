#include "decodage/lecture_json.h"

#include <QJsonArray>

namespace optolink {

namespace {

QJsonObject palier_json(const PalierLu& p, bool etalonnage)
{
    QJsonObject o{{"debut", p.debut}, {"longueur", p.longueur}, {"lumiere", p.lumiere}};
    if (!etalonnage)
        o.insert("lu", p.lu);
    if (p.arret)
        o.insert("arret", true);
    return o;
}

QJsonArray paliers_json(const std::vector<PalierLu>& paliers, bool etalonnage)
{
    QJsonArray a;
    for (const PalierLu& p : paliers)
        a.append(palier_json(p, etalonnage));
    return a;
}

} // namespace

QJsonObject lecture_json(const Lecture& lecture)
{
    QJsonObject largeurs;
    for (const LargeurLue& w : lecture.largeurs)
        largeurs.insert(w.nom, w.echantillons);
    QJsonArray caracteres;
    for (const CaractereLu& c : lecture.caracteres)
        caracteres.append(QJsonObject{{"texte", c.texte}, {"debut", c.debut}, {"fin", c.fin}});
    return {{"seuil_initial", lecture.seuil_initial},
            {"seuil", lecture.seuil},
            {"largeurs", largeurs},
            {"etalonnage", paliers_json(lecture.calibration, true)},
            {"paliers", paliers_json(lecture.paliers, false)},
            {"caracteres", caracteres}};
}

QJsonObject bilan_json(const Bilan& b)
{
    QJsonArray theorique;
    for (std::size_t i = 0; i < codages.size(); ++i) {
        const EmissionPrevue& e = b.theorique[i];
        theorique.append(QJsonObject{{"codage", nom_codage(codages[i])},
                                     {"duree_s", e.duree_s()},
                                     {"unite_s", e.unite_s},
                                     {"debit_bauds", e.debit_bauds()},
                                     {"debit_caracteres_s", e.debit_caracteres_s()}});
    }
    QJsonObject objet{{"caracteres", b.caracteres},
            {"bits", b.bits},
            {"elements", b.elements},
            {"points", b.points},
            {"duree_s", b.duree_s},
            {"unite_s", b.unite_s},
            {"debit_bauds", b.debit_bauds},
            {"debit_caracteres_s", b.debit_caracteres_s},
            {"debit_bits_s", b.debit_bits_s},
            {"theorique", theorique}};
    if (b.mots_minute > 0)
        objet.insert("mots_minute", b.mots_minute);
    if (const auto& n = b.niveaux)
        objet.insert("niveaux", QJsonObject{{"haut_v", n->haut_v}, {"bas_v", n->bas_v}, {"ecart_v", n->ecart_v()},
                                            {"marge_v", n->marge_v()}, {"faible", n->faible()}});
    if (const auto& e = b.erreurs) {
        QJsonObject erreurs{{"caracteres_envoyes", e->caracteres_envoyes}, {"caracteres_faux", e->caracteres_faux}};
        if (const auto teb = e->teb()) {
            erreurs.insert("bits_envoyes", *e->bits_envoyes);
            erreurs.insert("bits_faux", *e->bits_faux);
            erreurs.insert("teb", *teb);
        }
        objet.insert("erreurs", erreurs);
    }
    return objet;
}

} // namespace optolink
