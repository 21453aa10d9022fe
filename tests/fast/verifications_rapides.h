#pragma once

#include "echange_rapide.h"

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

} // namespace optolink::essai
