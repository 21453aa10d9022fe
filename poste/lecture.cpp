#include "poste/lecture.h"

#include <algorithm>

namespace optolink {

void Releve::seuils(int initial, int calibre)
{
    if (lecture_) {
        lecture_->seuil_initial = initial;
        lecture_->seuil = calibre;
    }
}

void Releve::calibration(int debut, int longueur, bool lumiere)
{
    if (lecture_)
        lecture_->calibration.push_back({debut, longueur, lumiere, {}, 0, false});
}

void Releve::largeur(const char* nom, double echantillons)
{
    if (lecture_)
        lecture_->largeurs.push_back({QString::fromLatin1(nom), echantillons});
}

void Releve::palier(int debut, int longueur, bool lumiere, const QString& code, qsizetype avant, bool arret)
{
    // Runs that neither last nor add anything are the scan passing from one loop to the next.
    if (!lecture_ || (longueur == 0 && code.size() == avant && !arret))
        return;
    lecture_->paliers.push_back({debut, longueur, lumiere, code.sliced(avant), avant, arret});
}

void Releve::caracteres(std::span<const CaractereCode> caracteres)
{
    if (!lecture_)
        return;
    const std::vector<PalierLu>& paliers = lecture_->paliers;
    // The run whose symbols hold a position of the code.
    const auto palier_de = [&](qsizetype position) {
        const auto apres = std::upper_bound(paliers.begin(), paliers.end(), position,
            [](qsizetype p, const PalierLu& palier) { return p < palier.position; });
        return std::prev(apres);
    };
    for (const CaractereCode& c : caracteres) {
        if (paliers.empty() || c.premier < paliers.front().position)
            continue;
        const auto premier = palier_de(c.premier);
        const auto dernier = palier_de(c.dernier);
        lecture_->caracteres.push_back(
            {c.texte, premier->debut, dernier->debut + std::max(dernier->longueur, 1) - 1});
    }
}

} // namespace optolink
