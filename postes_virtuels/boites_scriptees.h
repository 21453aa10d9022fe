#pragma once

#include "poste/boites.h"

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace optolink::essai {

struct BoiteVue {
    QString titre;
    QString texte;    // the prompt of an input box
    bool avecAnnuler; // an input box always has Annuler
    bool estSaisie;
};

// Answers the boxes from a script and keeps what each box showed.
class BoitesScriptees final : public Boites {
public:
    std::vector<BoiteVue> vues;
    // Answers by title, in order; OK once a title's answers are used up.
    std::map<QString, std::deque<Reponse>> reponses;
    // Answers of the input box, in order; empty (as Annuler) once used up.
    std::deque<QString> saisies;
    // Runs while a box is on screen (the user lights a photodiode, looks at the window...).
    std::function<void(const BoiteVue&)> pendant;

    Reponse message(const QString& titre, const QString& texte, bool avecAnnuler) override
    {
        montrer({titre, texte, avecAnnuler, false});
        auto& suite = reponses[titre];
        if (suite.empty())
            return Reponse::OK;
        const Reponse r = suite.front();
        suite.pop_front();
        return r;
    }

    QString saisie(const QString& titre, const QString& invite, const QString& defaut) override
    {
        montrer({titre, invite, true, true});
        defauts.push_back(defaut);
        if (saisies.empty())
            return {};
        const QString r = saisies.front();
        saisies.pop_front();
        return r;
    }

    std::vector<QString> defauts;

    std::vector<QString> titres() const
    {
        std::vector<QString> t;
        for (const auto& v : vues)
            t.push_back(v.titre);
        return t;
    }
    const BoiteVue* trouver(const QString& titre) const
    {
        for (const auto& v : vues)
            if (v.titre == titre)
                return &v;
        return nullptr;
    }

private:
    void montrer(const BoiteVue& vue)
    {
        vues.push_back(vue);
        if (pendant)
            pendant(vue);
    }
};

} // namespace optolink::essai
