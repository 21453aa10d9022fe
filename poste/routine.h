#pragma once

#include "poste/poste.h"

#include <QString>

#include <concepts>
#include <functional>
#include <utility>

namespace optolink {

// A routine as the program and the simulator's stations run it on a whole station: a coding's
// receive-wait routine, send routine or file decoder, each handed the parts it takes (a send takes
// the text typed in Texte1), or a handler of the window that takes the station itself. The
// constructors convert implicitly, so that a table of routines names them as they are.
class Routine {
public:
    using SurLaPlateforme = void (*)(const Plateforme&, Etat&, Evenements&);
    using SurLaLiaison = void (*)(Liaison&, const Plateforme&, Etat&, Evenements&);
    using Envoi = void (*)(Liaison&, const Plateforme&, Etat&, Evenements&, const QString& texte);

    Routine() = default;
    Routine(SurLaPlateforme routine)
        : routine_([routine](Poste& p) { routine(p.plateforme, p.etat, p.modele); })
    {
    }
    Routine(SurLaLiaison routine)
        : routine_([routine](Poste& p) { routine(p.liaison, p.plateforme, p.etat, p.modele); })
    {
    }
    Routine(Envoi envoi)
        : routine_([envoi](Poste& p) {
              const QString texte = p.fenetre.Texte1.Text;
              envoi(p.liaison, p.plateforme, p.etat, p.modele, texte);
          })
    {
    }
    template <class F>
        requires std::invocable<F&, Poste&>
    Routine(F gestionnaire) : routine_(std::move(gestionnaire))
    {
    }

    void operator()(Poste& poste) const { routine_(poste); }
    explicit operator bool() const { return static_cast<bool>(routine_); }

private:
    std::function<void(Poste&)> routine_;
};

} // namespace optolink
