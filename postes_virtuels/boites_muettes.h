#pragma once

#include "poste/boites.h"

#include <QString>

#include <utility>
#include <vector>

namespace optolink::essai {

// No box is shown by the codings; any that were would be answered OK, and are kept (title, text).
class BoitesMuettes final : public Boites {
public:
    Reponse message(const QString& titre, const QString& texte, bool) override
    {
        montrees.emplace_back(titre, texte);
        return Reponse::OK;
    }
    QString saisie(const QString&, const QString&, const QString&) override { return {}; }
    std::vector<std::pair<QString, QString>> montrees;
};

} // namespace optolink::essai
