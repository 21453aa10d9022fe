#pragma once

#include "sim/postes/echange_rapide.h"

#include <gtest/gtest.h>

#include <string>

namespace optolink::essai {

inline std::string nom_reglage(const testing::TestParamInfo<ReglageRapide>& info)
{
    return std::string(info.param.vitesse) + "_" + std::to_string(info.param.nbmesuresmax);
}

// The text followed by blanks only: the silence after a fast message adds blanks to it.
inline ::testing::AssertionResult suivi_de_blancs(const QString& texte, const QString& debut)
{
    if (texte.startsWith(debut) && texte.sliced(debut.size()).trimmed().isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << texte.toStdString() << "\" is not \"" << debut.toStdString()
                                         << "\" followed by blanks";
}

// texte exchanged in the coding through USB links, the computer late by up to gigue_s before each
// write on top of the bus's 1 ms frames.
inline EchangeRapide echanger_par_usb(const Codage& codage, const QString& texte, const ReglageRapide& r,
                                      double gigue_s)
{
    return echanger_rapide(codage, texte, r, [&](DeuxPostes& postes) { relier_par_usb(postes, 7, gigue_s); });
}

} // namespace optolink::essai
