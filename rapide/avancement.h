#pragma once

#include "poste/fenetre.h"

#include <QString>

namespace optolink {

// How often a long wait brings its progress up to date.
constexpr double pas_avancement_s = 0.5;

// The bar under Etiquette2: fait out of total (seconds or samples), and the same in words.
void montrer_avancement(FenetrePrincipale& f, double fait, double total, const QString& texte);
void cacher_avancement(FenetrePrincipale& f);

} // namespace optolink
