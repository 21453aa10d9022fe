#pragma once

#include <QString>

namespace optolink {

// The modal message boxes and the input box of the program.
class Boites {
public:
    enum class Reponse { OK, Annuler };
    virtual ~Boites() = default;
    // Buttons OK, or OK and Annuler; closing the box answers Annuler.
    virtual Reponse message(const QString& titre, const QString& texte, bool avecAnnuler) = 0;
    // Empty on Annuler.
    virtual QString saisie(const QString& titre, const QString& invite, const QString& defaut) = 0;
};

} // namespace optolink
