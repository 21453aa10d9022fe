#include "fast/bilan.h"

#include "link/interface.h"

#include <algorithm>

namespace optolink {

namespace {

double largeur(const Lecture& lecture, const char* nom)
{
    const auto l = std::ranges::find(lecture.largeurs, QString::fromLatin1(nom), &LargeurLue::nom);
    return l == lecture.largeurs.end() ? 0 : l->echantillons;
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

std::optional<Bilan> bilan(const Trace& trace)
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
    QString message;
    for (auto c = premier; c != dernier.base(); ++c)
        message += c->texte;
    const int mode = std::max(0, mode_de_periode(trace.periode_s));
    for (std::size_t i = 0; i < codages.size(); ++i)
        b.theorique[i] = emission_prevue(codages[i], message, modes_vitesse[mode].dureebit, trace.periode_s);
    return b;
}

} // namespace optolink
