#include "rapide/avancement.h"

#include <algorithm>
#include <cmath>

namespace optolink {

namespace {
// The bar counts in thousandths, whatever it measures.
constexpr int graduations = 1000;
} // namespace

void montrer_avancement(FenetrePrincipale& f, double fait, double total, const QString& texte)
{
    f.avancement.Visible = true;
    f.avancement.Maximum = graduations;
    f.avancement.Valeur = total > 0 ? static_cast<int>(std::clamp(fait / total, 0.0, 1.0) * graduations) : 0;
    f.avancement.Texte = texte;
}

void cacher_avancement(FenetrePrincipale& f) { f.avancement = {}; }

} // namespace optolink
