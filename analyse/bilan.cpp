#include "analyse/bilan.h"

#include "liaison/interface.h"

#include <algorithm>

namespace optolink {

namespace {

double largeur(const Lecture& lecture, const char* nom)
{
    const auto l = std::ranges::find(lecture.largeurs, QString::fromLatin1(nom), &LargeurLue::nom);
    return l == lecture.largeurs.end() ? 0 : l->echantillons;
}

// The comparison and the Morse speed, once the rest is known.
void completer(Bilan& b, const QString& envoye, const QString& recu, bool binaire)
{
    if (!binaire)
        b.mots_minute = mots_par_minute(b.unite_s);
    if (!envoye.trimmed().isEmpty())
        b.erreurs = comparer(envoye, texte_recu(recu), binaire);
}

} // namespace

// A dash is three units and a dot one, so their difference is two units, whatever a light run keeps
// beyond its units.
double unite_apprise(const Trace& trace)
{
    if (trace.codage == CodageRapide::binaire)
        return largeur(trace.lecture, "bit");
    return (largeur(trace.lecture, "largeurtrait") - largeur(trace.lecture, "largeurpoint")) / 2;
}

std::optional<Bilan> bilan(const Trace& trace, const QString& envoye)
{
    const Lecture& l = trace.lecture;
    const double unite = unite_apprise(trace);
    // The message runs from its first character that is not a blank to its last: the darkness
    // before and after it reads as blanks, and a group of Morse that matched nothing as no text.
    const auto ecrit = [](const CaractereLu& c) { return !c.texte.trimmed().isEmpty(); };
    const auto premier = std::ranges::find_if(l.caracteres, ecrit);
    const auto dernier = std::find_if(l.caracteres.rbegin(), l.caracteres.rend(), ecrit);
    if (unite <= 0 || premier == l.caracteres.end() || l.calibration.empty())
        return std::nullopt;
    const auto lus = std::count_if(premier, dernier.base(), [](const CaractereLu& c) { return !c.texte.isEmpty(); });
    Bilan b;
    b.caracteres = static_cast<int>(lus);
    if (trace.codage == CodageRapide::binaire) {
        // A frame per character, its start bit and the eight of its code; a blank is a dark pause.
        b.bits = 9 * static_cast<int>(std::count_if(premier, dernier.base(), ecrit));
    } else {
        b.points = static_cast<int>(trace.code.count(u'.'));
        b.elements = b.points + static_cast<int>(trace.code.count(u'-'));
    }
    // A binary character ends with its frame, whatever the light of its last bits; a Morse one with
    // its last light.
    const double fin = trace.codage == CodageRapide::binaire ? dernier->debut + 9 * unite : dernier->fin + 1;
    b.duree_s = (fin - l.calibration.front().debut) * trace.periode_s;
    b.unite_s = unite * trace.periode_s;
    b.debit_bauds = 1 / b.unite_s;
    b.debit_caracteres_s = b.caracteres / b.duree_s;
    b.debit_bits_s = 8 * b.debit_caracteres_s;
    b.bauds_ligne = trace.bauds;
    b.telechargement_s = trace.telechargement_s;
    QString message;
    for (auto c = premier; c != dernier.base(); ++c)
        message += c->texte;
    const int mode = std::max(0, mode_de_periode(trace.periode_s));
    for (std::size_t i = 0; i < codages.size(); ++i)
        b.theorique[i] = emission_prevue(codages[i], message, modes_vitesse[mode].dureebit, trace.periode_s);
    b.niveaux = niveaux(trace);
    completer(b, envoye, trace.message, trace.codage == CodageRapide::binaire);
    return b;
}

std::vector<int> caracteres_lus_faux(const Trace& trace, const Erreurs& erreurs)
{
    QString lu;
    std::vector<int> de_qui; // the reading's character each letter of lu came from
    for (std::size_t k = 0; k < trace.lecture.caracteres.size(); ++k)
        for (QChar c : trace.lecture.caracteres[k].texte) {
            lu += c;
            de_qui.push_back(static_cast<int>(k));
        }
    const QString recu = texte_recu(trace.message);
    if (texte_recu(lu) != recu)
        return {};
    const auto debut = lu.indexOf(recu);
    std::vector<int> faux;
    for (const int i : erreurs.recus_faux)
        if (faux.empty() || faux.back() != de_qui[std::size_t(debut + i)])
            faux.push_back(de_qui[std::size_t(debut + i)]);
    return faux;
}

std::optional<Bilan> bilan_lent(const ReceptionLente& r, double dureebit, double periodemesure, const QString& envoye)
{
    const auto impulsions = r.impulsions;
    const Codage codage = r.codage;
    const auto fin = std::ranges::find(impulsions, QStringLiteral("fin"), &ImpulsionLente::sorte);
    const QString texte = r.message.trimmed();
    if (impulsions.empty() || impulsions.front().sorte != u"début" || fin == impulsions.end() || texte.isEmpty())
        return std::nullopt;
    // In binary the end marker is first read as a run of nine ones, just before its "fin".
    auto dernier = fin;
    if (codage == Codage::binaire && dernier != impulsions.begin() + 1 && std::prev(dernier)->sorte.size() >= 9)
        --dernier;
    Bilan b;
    double lumiere_s = 0;
    double unites = 0; // dots or slots of light

    double fin_s = -1;
    for (auto i = impulsions.begin() + 1; i != dernier; ++i) {
        const bool point = i->sorte == u".";
        const bool uns = !i->sorte.isEmpty() && i->sorte.count(u'1') == i->sorte.size();
        if (codage == Codage::morse ? !point && i->sorte != u"-" : !uns)
            continue;
        if (codage == Codage::morse) {
            ++b.elements;
            b.points += point ? 1 : 0;
        }
        // A slow dash lights 1 u where a dot lights 0.3 u.
        lumiere_s += i->fin_s - i->debut_s;
        unites += point ? 1 : uns ? static_cast<double>(i->sorte.size()) : 1 / 0.3;
        fin_s = i->fin_s;
    }
    if (fin_s < 0 || unites == 0)
        return std::nullopt;
    b.caracteres = static_cast<int>(texte.size());
    if (codage == Codage::binaire)
        b.bits = 9 * static_cast<int>(std::ranges::count_if(texte, [](QChar c) { return c != u' '; }));
    b.duree_s = fin_s - impulsions.front().debut_s;
    b.unite_s = lumiere_s / unites;
    b.debit_bauds = 1 / b.unite_s;
    b.debit_caracteres_s = b.caracteres / b.duree_s;
    b.debit_bits_s = 8 * b.debit_caracteres_s;
    for (std::size_t i = 0; i < codages.size(); ++i)
        b.theorique[i] = emission_prevue(codages[i], texte, dureebit, periodemesure);
    b.niveaux = niveaux_lents(r.tensions, impulsions, r.seuil_v);
    completer(b, envoye, texte, codage == Codage::binaire);
    return b;
}

} // namespace optolink
