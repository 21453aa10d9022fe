#include "programme/menus.h"
#include "codages/abreviations.h"

namespace optolink {

void ecrire_message_type(Poste& poste, const MessageType& message)
{
    poste.fenetre.Texte1.Text = abreviation(message.numero).texte;
}

// The slow codings ignore the quiz entries.
void ecrire_question(Poste& poste, const Question& question)
{
    const auto& code = poste.etat.typecodage;
    if (code == Codage::binaire_rapide)
        poste.fenetre.Texte1.Text = question.binaire_rapide;
    else if (code == Codage::morse_rapide)
        poste.fenetre.Texte1.Text = question.morse_rapide;
}

} // namespace optolink
