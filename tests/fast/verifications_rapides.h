#pragma once

#include "postes_virtuels/echange_rapide.h"

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

// texte exchanged in the coding through USB links on a busy computer: every write late by the bus's
// 1 ms frames and up to 1 or 2 ms more. It arrives whole, and the timer's last reply, coming through
// the adapter's latency, still not with the samples.
inline void verifier_par_usb(const essai::Codage& codage, const QString& texte, const ReglageRapide& r)
{
    for (const double gigue_s : {0.001, 0.002}) {
        const EchangeRapide e
            = echanger_rapide(codage, texte, r, [&](DeuxPostes& postes) { relier_par_usb(postes, 7, gigue_s); });
        ASSERT_TRUE(e.complet) << gigue_s;
        EXPECT_TRUE(suivi_de_blancs(e.fb.Texte2.Text, texte)) << gigue_s;
        EXPECT_EQ(e.b.nbmesures, r.nbmesuresmax) << gigue_s;
    }
}

} // namespace optolink::essai
